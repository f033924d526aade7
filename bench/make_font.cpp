// Writes the benchmark font: make_font OUTPUT.shp [SEED [CHARACTERS [POINTS_PER_CHARACTER]]]
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "font_generator.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 5) {
    std::fprintf(stderr, "usage: %s OUTPUT.shp [SEED [CHARACTERS [POINTS_PER_CHARACTER]]]\n",
                 argv[0]);
    return 2;
  }
  FontRecipe recipe;
  if (argc > 2) recipe.seed = std::strtoull(argv[2], nullptr, 10);
  if (argc > 3) recipe.characters = std::atoi(argv[3]);
  if (argc > 4) recipe.pointsPerCharacter = std::atoi(argv[4]);
  try {
    makeFont(recipe)->save(argv[1], LocalDate{1, 1, 2026});
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
