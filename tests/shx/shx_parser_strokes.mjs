// Prints the segments @mlightcad/shx-parser draws for every shape of a compiled font, one
// line per shape in number order: the number, then x0 y0 x1 y1 of each segment, rounded.
// Arguments: the package's folder, the font.
import fs from "fs";

const { ShxFont } = await import(process.argv[2] + "/dist/index.es.js");
const data = fs.readFileSync(process.argv[3]);
const font = new ShxFont(data.buffer.slice(data.byteOffset, data.byteOffset + data.byteLength));
const content = font.fontData.content;
// Shapes come at their own size when the font's height is the size asked for.
const plain = font.fontData.header.fontType === "shapes" && !(0 in content.data);
const size = plain ? 1 : content.height;
const codes = Object.keys(content.data).map(Number).filter((c) => c !== 0).sort((a, b) => a - b);
for (const code of codes) {
  const shape = font.getCharShape(code, size);
  const out = [code];
  for (const line of shape ? shape.polylines : []) {
    for (let i = 1; i < line.length; ++i) {
      out.push(line[i - 1].x, line[i - 1].y, line[i].x, line[i].y);
    }
  }
  console.log(out.map((v) => Math.round(v)).join(" "));
}
