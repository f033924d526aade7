#pragma once

#include <map>
#include <utility>
#include <vector>

#include "drafting/geometry.h"
#include "drafting/raster.h"

// The skeleton as a graph: nodes where lines end or meet, edges the lines between them.
class SkeletonGraph {
 public:
  SkeletonGraph(const Mask& skeleton, const std::vector<double>& squaredDistance,
                double pixelsPerUnit);
  // Spurs, crossings split in two by the thinning and nodes merely on a line go.
  void tidy();
  // The paths a pen follows, in pixel coordinates: joined at every node to the edge that
  // continues their direction. Closed ones end where they start.
  std::vector<Polyline> paths() const;

 private:
  struct Node {
    PointF at;
    double radius = 1;  // half the stroke width there
    bool alive = true;
  };
  struct Edge {
    int a = -1, b = -1;
    Polyline inner;  // from beside node a to beside node b
    bool alive = true;
  };
  struct End {
    int edge, side;  // side 0: the edge leaves through its node a
  };

  Polyline pointsOf(int edge) const;
  Polyline leaving(End end) const;
  double lengthOf(int edge) const { return pathLength(pointsOf(edge)); }
  std::vector<End> endsAt(int node) const;
  // Node pixels grouped into nodes; the node of every pixel, -1 off them.
  std::vector<int> findNodes(const Mask& skeleton, const std::vector<double>& squaredDistance);
  // The lines between nodes as edges, and those without nodes as loops.
  void traceLines(const Mask& skeleton, const std::vector<int>& nodeOf);
  // At each meeting point, the end each end of an edge continues into, by (edge, side).
  std::map<std::pair<int, int>, End> partners() const;
  bool pruneSpurs();
  bool mergeCrossings();
  bool dissolvePassingNodes();

  double pixelsPerUnit_;
  std::vector<Node> nodes_;
  std::vector<Edge> edges_;
  std::vector<Polyline> loops_;  // closed lines without nodes, first point repeated
};
