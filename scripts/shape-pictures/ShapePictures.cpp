// Draws the module's section-shape pictures (res/bitmaps/*.png) from the section outline
// builder: each picture is a typical section of its shape, fitted into the picture as the
// section preview fits it, filled figure by figure with a one-pixel outline. Run once by
// scripts/shape-pictures/make-pictures after a shape's drawing changes; the pictures are
// kept in the repository.
//
//   ShapePictures OUTDIR
#include <png.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "afx/CDC.h"
#include "db/SectRecord.h"
#include "properties/CCMGeom2DArray.h"
#include "properties/CCMSecShapeBuilder.h"
#include "properties/CCMSecViewRect.h"

namespace {

struct Picture {
  std::string file;
  int cx, cy;
  int type;          // T_SECT_D::iType
  bool concrete;     // steel fill drawn in the concrete colour
  const char* code;
  std::vector<double> a, b;  // sizes of BaseA and BaseB, mm
  const char* combo = "";    // light-steel combination code
};

const std::vector<double> kH = {200, 100, 8, 12};
const std::vector<double> kBox = {200, 150, 10, 12, 0, 0};
const std::vector<double> kBoxRC = {400, 300, 60, 60, 0, 60};
const std::vector<double> kPipe = {200, 20};
const std::vector<double> kC = {200, 80, 8, 12};
const std::vector<double> kT = {160, 140, 10, 14};
const std::vector<double> kL = {100, 100, 10, 10};
const std::vector<double> kSB = {300, 200};
const std::vector<double> kSR = {300};
const std::vector<double> k2L = {100, 80, 10, 10, 12};
const std::vector<double> k2C = {200, 80, 8, 12, 20};
const std::vector<double> kCR = {300, 300, 80, 80};
const std::vector<double> kCC = {160, 60, 3, 3, 20};
const std::vector<double> kSrcBox = {200, 200, 12, 12, 0, 0};
const std::vector<double> kSrcPipe = {220, 14};
const std::vector<double> kSrcH = {220, 160, 10, 14, 0, 0};
const std::vector<double> kRect = {400, 400};
const std::vector<double> kCircle = {440};
const std::vector<double> kCombA = {200, 100, 8, 12, 20};
const std::vector<double> kCombB = {300, 150, 10, 14};

std::vector<Picture> Pictures() {
  std::vector<Picture> v = {
      // Shape pickers, 25 x 25.
      {"shape_h.png", 25, 25, 1, false, "H", kH, {}},
      {"shape_box.png", 25, 25, 1, false, "B", kBox, {}},
      {"shape_pipe.png", 25, 25, 1, false, "P", kPipe, {}},
      {"shape_channel.png", 25, 25, 1, false, "C", kC, {}},
      {"shape_tee.png", 25, 25, 1, false, "T", kT, {}},
      {"shape_angle.png", 25, 25, 1, false, "L", kL, {}},
      {"shape_double_angle.png", 25, 25, 1, false, "2L", k2L, {}},
      {"shape_double_channel.png", 25, 25, 1, false, "2C", k2C, {}},
      {"shape_solid_rect.png", 25, 25, 1, false, "SB", kSB, {}},
      {"shape_solid_round.png", 25, 25, 1, false, "SR", kSR, {}},
      {"shape_cross.png", 25, 25, 1, true, "CR", kCR, {}},
      {"src_rbo.png", 25, 25, 2, false, "RBO", kSrcBox, kRect},
      {"src_rbc.png", 25, 25, 2, false, "RBC", kSrcBox, kRect},
      {"src_rpo.png", 25, 25, 2, false, "RPO", kSrcPipe, kRect},
      {"src_rpc.png", 25, 25, 2, false, "RPC", kSrcPipe, kRect},
      {"src_cbo.png", 25, 25, 2, false, "CBO", kSrcBox, kCircle},
      {"src_cbc.png", 25, 25, 2, false, "CBC", kSrcBox, kCircle},
      {"src_cpo.png", 25, 25, 2, false, "CPO", kSrcPipe, kCircle},
      {"src_cpc.png", 25, 25, 2, false, "CPC", kSrcPipe, kCircle},
      {"src_ebc.png", 25, 25, 2, false, "EBC", kSrcBox, kCircle},
      {"src_epc.png", 25, 25, 2, false, "EPC", kSrcPipe, kCircle},
      {"src_rhb.png", 25, 25, 2, false, "RHB", kSrcH, kRect},
      {"src_chb.png", 25, 25, 2, false, "CHB", kSrcH, kCircle},
      {"src_rcb.png", 25, 25, 2, false, "RCB", {220, 160, 10, 14}, kRect},
      {"src_rh2t.png", 25, 25, 2, false, "RH2T", {220, 160, 10, 14, 80, 90, 8, 10}, kRect},
      {"taper_solid_rect.png", 25, 25, 5, false, "SB", kSB, {200, 200}},
      {"taper_h.png", 25, 25, 5, false, "H", kH, {140, 100, 8, 12}},
      {"taper_tee.png", 25, 25, 5, false, "T", kT, {110, 140, 10, 14}},
      {"taper_box.png", 25, 25, 5, false, "B", kBox, {140, 150, 10, 12, 0, 0}},
      {"taper_pipe.png", 25, 25, 5, false, "P", kPipe, {140, 14}},
      {"taper_solid_round.png", 25, 25, 5, false, "SR", kSR, {200}},
      {"comb_2h.png", 25, 25, 4, false, "2H", kCombA, kCombB},
      {"comb_hc1.png", 25, 25, 4, false, "HC1", kCombA, kCombB},
      {"comb_hc2.png", 25, 25, 4, false, "HC2", kCombA, kCombB},
      {"comb_ht.png", 25, 25, 4, false, "HT", kCombA, kCombB},
      {"comb_2t1.png", 25, 25, 4, false, "2T1", kCombA, kCombB},
      {"comb_2t2.png", 25, 25, 4, false, "2T2", kCombA, kCombB},
      {"comb_h2t.png", 25, 25, 4, false, "H2T", kCombA, kCombB},
      {"comb_woh.png", 25, 25, 4, false, "WOH", kCombA, kCombB},
      {"comb_2cw1.png", 25, 25, 4, false, "2CW1", kCombA, kCombB},
      {"comb_2cw2.png", 25, 25, 4, false, "2CW2", kCombA, kCombB},
      {"comb_1cw1.png", 25, 25, 4, false, "1CW1", kCombA, kCombB},
      {"comb_1cw2.png", 25, 25, 4, false, "1CW2", kCombA, kCombB},
      {"comb_4l.png", 25, 25, 4, false, "4L", {100, 80, 10, 8}, {8}},
      {"comb_hp.png", 25, 25, 4, false, "HP", kCombA, {50, 10}},
      // Material type pictures of the material editor, 121 x 70: a steel I-beam, a
      // reinforced concrete bar, an I-beam encased in concrete, a plain box outline.
      {"matl_steel.png", 121, 70, 1, false, "H", kH, {}},
      {"matl_rc.png", 121, 70, 1, true, "SB", {300, 600}, {}},
      {"matl_src.png", 121, 70, 2, false, "RHB", kSrcH, kRect},
      {"matl_user.png", 121, 70, 1, false, "B", {300, 400, 4, 4, 0, 0}, {}},
  };
  // Shape pictures of the regular section page, 135 x 155, by shape index 0 to 11.
  struct Big {
    const char* code;
    std::vector<double> steel, concrete;
    const char* combo;
  };
  const Big big[] = {
      {"L", kL, {300, 300, 100, 100}, ""},  {"C", kC, {400, 200, 80, 80}, ""},
      {"H", kH, {500, 300, 100, 100}, ""},  {"T", kT, {400, 300, 100, 100}, ""},
      {"B", kBox, kBoxRC, ""},              {"P", kPipe, {400, 80}, ""},
      {"2L", k2L, {300, 300, 80, 80, 40}, ""}, {"2C", k2C, {400, 200, 80, 80, 40}, ""},
      {"SB", kSB, {500, 300}, ""},          {"SR", kSR, {400}, ""},
      {"CR", kCR, {500, 500, 160, 160}, ""}, {"CC", kCC, {160, 60, 3, 3, 20}, "2IS"},
  };
  for (int steel = 0; steel < 2; ++steel)
    for (const Big& g : big) {
      const std::string code = g.code;
      if (code == "CR" && steel) continue;  // one picture serves both pages
      std::string name = (code == "CR" ? "page_" : steel ? "page_steel_" : "page_rc_") + code;
      for (char& c : name) c = (char)std::tolower((unsigned char)c);
      Picture p{name + ".png", 135, 155, 1, !steel, g.code, steel ? g.steel : g.concrete, {}};
      p.combo = g.combo;
      v.push_back(p);
    }
  // Sizing pictures of the SRC section page, 135 x 155.
  const struct {
    const char* code;
    std::vector<double> steel, concrete;
  } src[] = {
      {"RBO", kSrcBox, kRect},  {"RBC", kSrcBox, kRect},    {"RPO", kSrcPipe, kRect},
      {"RPC", kSrcPipe, kRect}, {"CBO", kSrcBox, kCircle},  {"CBC", kSrcBox, kCircle},
      {"CPO", kSrcPipe, kCircle}, {"CPC", kSrcPipe, kCircle}, {"EBC", kSrcBox, kCircle},
      {"EPC", kSrcPipe, kCircle}, {"RHB", kSrcH, kRect},    {"CHB", kSrcH, kCircle},
      {"RCB", {220, 160, 10, 14}, kRect}, {"RH2T", {220, 160, 10, 14, 80, 90, 8, 10}, kRect},
  };
  for (const auto& g : src) {
    std::string name = std::string("page_src_") + g.code;
    for (char& c : name) c = (char)std::tolower((unsigned char)c);
    v.push_back({name + ".png", 135, 155, 2, false, g.code, g.steel, g.concrete});
  }
  return v;
}

struct Rgb {
  unsigned char r, g, b;
};

Rgb FromRef(COLORREF c) { return {(unsigned char)(c & 0xFF), (unsigned char)((c >> 8) & 0xFF), (unsigned char)((c >> 16) & 0xFF)}; }

// Pixels whose centre lies inside the primitive (even-odd rule for polygons).
std::vector<char> Mask(const CDrawPrimitive& d, int cx, int cy) {
  std::vector<char> m((size_t)cx * cy, 0);
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      bool in = false;
      if (d.kind == CDrawPrimitive::Polygon) {
        const auto& p = d.points;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
          if ((p[i].y > py) != (p[j].y > py) &&
              px < (double)(p[j].x - p[i].x) * (py - p[i].y) / (double)(p[j].y - p[i].y) + p[i].x)
            in = !in;
        }
      } else if (d.kind == CDrawPrimitive::Ellipse) {
        const double l = d.points[0].x, t = d.points[0].y, r = d.points[1].x, b = d.points[1].y;
        const double ax = (r - l) / 2, ay = (b - t) / 2;
        if (ax > 0 && ay > 0) {
          const double ux = (px - (l + r) / 2) / ax, uy = (py - (t + b) / 2) / ay;
          in = ux * ux + uy * uy <= 1.0;
        }
      } else if (d.kind == CDrawPrimitive::Rectangle || d.kind == CDrawPrimitive::FillRect) {
        in = px >= d.points[0].x && px < d.points[1].x && py >= d.points[0].y && py < d.points[1].y;
      }
      m[(size_t)y * cx + x] = in;
    }
  return m;
}

bool WritePng(const std::string& path, int cx, int cy, const std::vector<Rgb>& px) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, cx, cy, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < cy; ++y)
    png_write_row(png, reinterpret_cast<png_const_bytep>(&px[(size_t)y * cx]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

bool Draw(const Picture& p, const std::string& dir) {
  T_SECT_D r;
  r.Initialize();
  r.iType = p.type;
  r.iMatlType = p.concrete ? 1 : 2;
  r.Part1.strShape = p.code;
  r.Part1.BaseA.strBaseShape = p.combo;
  for (size_t i = 0; i < p.a.size(); ++i) r.Part1.BaseA.dSize[i] = p.a[i] / 1000.0;
  for (size_t i = 0; i < p.b.size(); ++i) r.Part1.BaseB.dSize[i] = p.b[i] / 1000.0;
  CCMSecShapeBuilder builder;
  CCMGeom2DArray list;
  builder.Build(&r, &list, 0, 0, 0, 0);
  CCMSecViewRect rect;
  rect.SetRect(CRect(0, 0, p.cx, p.cy));
  CDisplayList dl;
  CDC dc(&dl);
  rect.Draw(&dc, &list, 0, 0);
  std::vector<Rgb> px((size_t)p.cx * p.cy, Rgb{255, 255, 255});
  int figures = 0;
  for (const CDrawPrimitive& d : dl.items) {
    if (d.kind != CDrawPrimitive::Polygon && d.kind != CDrawPrimitive::Ellipse) continue;
    ++figures;
    Rgb fill = FromRef(d.brushColor);
    if (p.concrete && d.brushColor == RGB(196, 206, 230)) fill = FromRef(RGB(171, 171, 171));
    const Rgb pen = FromRef(d.penColor);
    const std::vector<char> m = Mask(d, p.cx, p.cy);
    for (int y = 0; y < p.cy; ++y)
      for (int x = 0; x < p.cx; ++x) {
        if (!m[(size_t)y * p.cx + x]) continue;
        auto at = [&](int xx, int yy) {
          return xx >= 0 && yy >= 0 && xx < p.cx && yy < p.cy && m[(size_t)yy * p.cx + xx];
        };
        const bool edge = !at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1);
        px[(size_t)y * p.cx + x] = edge ? pen : fill;
      }
  }
  list.DeleteAll();
  if (!figures) {
    std::fprintf(stderr, "%s: nothing drawn\n", p.file.c_str());
    return false;
  }
  return WritePng(dir + "/" + p.file, p.cx, p.cy, px);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ShapePictures OUTDIR\n");
    return 2;
  }
  int failed = 0;
  for (const Picture& p : Pictures())
    if (!Draw(p, argv[1])) {
      std::fprintf(stderr, "%s: not written\n", p.file.c_str());
      ++failed;
    }
  return failed ? 1 : 0;
}
