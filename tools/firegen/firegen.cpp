// Draws the six fire pictures I0..I5 (a bowl seen obliquely from above on a
// dark blue ground, empty in I0, with a fire that grows from I1 to I5) and
// writes them as baseline JPEG files into a directory:
//
//   vemo_firegen OUTPUT_DIR
//
// The pictures ship in assets/ and are embedded by the build; run this only to
// remake them. The output is deterministic: no clock, no random seed.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "render/picture.h"

namespace {

using vemo::Picture;
using vemo::Rgb;

constexpr int kWidth = 150;
constexpr int kHeight = 100;
constexpr int kSamples = 4;  // per axis: 16 samples per pixel smooth the edges
constexpr int kQuality = 90;

// Colours are worked on as floats in 0..1.
struct Colour {
  float r = 0, g = 0, b = 0;
};
Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Colour operator*(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Colour Mix(Colour a, Colour b, float t) { return a * (1 - t) + b * t; }
Colour Rgb8(int r, int g, int b) {
  return {static_cast<float>(r) / 255, static_cast<float>(g) / 255, static_cast<float>(b) / 255};
}

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
float SmoothStep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

// ---- Value noise: a fixed integer hash, so every run draws the same fire.

float Hash(int x, int y, int seed) {
  auto h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^ static_cast<std::uint32_t>(y) * 0xd8163841u ^
           static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return static_cast<float>(h & 0xffffffu) / static_cast<float>(0x1000000);
}

float ValueNoise(float x, float y, int seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const float tx = SmoothStep(0, 1, x - fx), ty = SmoothStep(0, 1, y - fy);
  const float top = Hash(ix, iy, seed) * (1 - tx) + Hash(ix + 1, iy, seed) * tx;
  const float bottom = Hash(ix, iy + 1, seed) * (1 - tx) + Hash(ix + 1, iy + 1, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

// Three octaves, result in about 0..1.
float Fbm(float x, float y, int seed) {
  return (ValueNoise(x, y, seed) * 4 + ValueNoise(x * 2, y * 2, seed + 1) * 2 + ValueNoise(x * 4, y * 4, seed + 2)) / 7;
}

// ---- The scene, in picture pixel coordinates (x right, y down).

constexpr float kCentreX = 75;
constexpr float kRimY = 64;          // centre of the rim ellipse
constexpr float kRimRx = 46, kRimRy = 13;
constexpr float kInnerRx = 42, kInnerRy = 10.5f;
constexpr float kBodyDepth = 27;     // from the rim centre to the bottom of the body
constexpr float kFlameBaseY = 67;    // where the flames leave the coals

const Colour kMetal = Rgb8(106, 112, 126);  // cool pewter: the empty bowl shows no warm colour

struct Fire {
  int level;           // 0 = no fire
  float height;        // of the main tongue, pixels
  float halfWidth;     // of the main tongue at its widest
  float glow;          // strength of the warm light on ground and bowl
  int sparks;
};

Fire FireOf(int level) {
  static constexpr std::array<float, 6> kTongueHeight{0, 17, 27, 38, 48, 57};
  static constexpr std::array<float, 6> kTongueHalfWidth{0, 8, 13, 18, 23, 28};
  static constexpr std::array<int, 6> kSparks{0, 0, 3, 6, 10, 15};
  const auto i = static_cast<std::size_t>(level);
  return {level, kTongueHeight[i], kTongueHalfWidth[i], static_cast<float>(level) / 5, kSparks[i]};
}

float EllipseValue(float x, float y, float cy, float rx, float ry) {
  const float dx = (x - kCentreX) / rx, dy = (y - cy) / ry;
  return dx * dx + dy * dy;
}

Colour Ground(float x, float y, const Fire& fire) {
  // Night blue, a little lighter behind the bowl and darker at the corners.
  Colour c = Mix(Rgb8(16, 24, 66), Rgb8(5, 8, 30), y / static_cast<float>(kHeight));
  const float edge = std::hypot((x - kCentreX) / 90, (y - 55) / 70);
  c = c * (1.05f - 0.45f * SmoothStep(0.4f, 1.1f, edge));
  // The bowl's soft shadow on the ground.
  const float shadow = EllipseValue(x, y, kRimY + kBodyDepth + 3, 44, 6.5f);
  c = c * (0.55f + 0.45f * SmoothStep(0.3f, 1.3f, shadow));
  // Warm light thrown by the fire.
  if (fire.level > 0) {
    const auto level = static_cast<float>(fire.level);
    const float d = std::hypot((x - kCentreX) / (22 + 8 * level), (y - (kFlameBaseY - fire.height * 0.45f)) / (18 + 7 * level));
    c = c + Rgb8(150, 75, 15) * (fire.glow * 0.4f * std::exp(-d * d * 1.6f));
  }
  return c;
}

// Firelight on the bowl's metal, strongest on surfaces near the flames.
Colour FireLight(float x, float y, const Fire& fire) {
  if (fire.level == 0) return {};
  const float d = std::hypot((x - kCentreX) / (30 + 4 * static_cast<float>(fire.level)), (y - kFlameBaseY) / 22);
  return Rgb8(255, 120, 40) * (fire.glow * 0.6f * std::exp(-d * d));
}

// The top face of the rim ring, lit from the upper left.
Colour Rim(float x, float y, const Fire& fire) {
  const float angle = std::atan2((y - kRimY) / kRimRy, (x - kCentreX) / kRimRx);
  const float light = 0.8f + 0.35f * std::cos(angle + 2.3f);
  // Across the ring: brightest along its middle, darker at both edges.
  const float across = (std::sqrt(EllipseValue(x, y, kRimY, kRimRx, kRimRy)) - 0.93f) / 0.07f;
  const float bevel = 1.0f - 0.35f * across * across;
  Colour c = kMetal * (light * bevel);
  const float highlight = std::exp(-std::pow((angle + 2.3f) / 0.35f, 2.0f));
  c = c + Rgb8(230, 235, 245) * (0.45f * highlight * bevel);
  return c + FireLight(x, y, fire) * 0.8f;
}

// The outside of the bowl below the rim: a half ellipsoid lit from the left.
Colour Body(float x, float y, const Fire& fire) {
  const float depth = Clamp01((y - kRimY) / kBodyDepth);
  const float halfWidth = kRimRx * std::sqrt(std::max(0.0f, 1 - depth * depth));
  const float u = std::clamp((x - kCentreX) / std::max(halfWidth, 1.0f), -1.0f, 1.0f);
  const float facing = std::sqrt(1 - u * u);
  const float diffuse = std::max(0.0f, 0.6f * facing - 0.45f * u + 0.1f);
  Colour c = kMetal * ((0.2f + 0.8f * diffuse) * (1 - 0.4f * depth));
  const float highlight = std::exp(-std::pow((u + 0.5f) / 0.13f, 2.0f)) * (1 - depth);
  c = c + Rgb8(220, 228, 240) * (0.4f * highlight);
  // A dark band just under the rim's lip.
  c = c * (0.6f + 0.4f * SmoothStep(0.0f, 0.12f, depth));
  return c + FireLight(x, y, fire) * 0.25f;
}

// The short foot the bowl stands on.
bool InFoot(float x, float y) {
  const float top = kRimY + kBodyDepth - 6, bottom = kRimY + kBodyDepth + 3;
  if (y < top || y > bottom + 2.5f) return false;
  const float halfWidth = 12 + (y - top) * 0.5f;
  if (y <= bottom) return std::abs(x - kCentreX) <= halfWidth;
  return EllipseValue(x, y, bottom, halfWidth, 2.5f) <= 1;
}

Colour Foot(float x) {
  const float u = (x - kCentreX) / 17;
  return kMetal * (0.45f - 0.3f * u);
}

// Inside the rim: the far inner wall and the bottom, and the coals when burning.
Colour Interior(float x, float y, const Fire& fire) {
  const float t = Clamp01((y - (kRimY - kInnerRy)) / (2 * kInnerRy));  // 0 at the back
  Colour c = kMetal * (0.55f - 0.35f * t);
  // The front lip casts a shadow just inside it.
  c = c * (0.5f + 0.5f * SmoothStep(1.0f, 0.55f, EllipseValue(x, y, kRimY, kInnerRx, kInnerRy)));
  if (fire.level == 0) return c;
  c = c + FireLight(x, y, fire) * 0.5f;
  // A bed of coals filling the bottom.
  const float bed = EllipseValue(x, y, kRimY + 3, kInnerRx - 5, kInnerRy - 3.5f);
  if (bed < 1) {
    const float lump = Fbm(x * 0.45f, y * 0.9f, 7);
    const float glow = SmoothStep(0.42f, 0.7f, lump) * (0.5f + 0.1f * static_cast<float>(fire.level)) *
                       (1 - 0.6f * SmoothStep(0.4f, 1.0f, bed));
    const Colour coal = Mix(Rgb8(38, 22, 24), Rgb8(255, 105, 20), glow);
    c = Mix(c, coal, SmoothStep(1.0f, 0.7f, bed));
  }
  return c;
}

// One tongue of flame: heat 0..1 at a point whose x is already displaced by
// the turbulence.
float Tongue(float x, float y, float centre, float height, float halfWidth) {
  const float v = (kFlameBaseY - y) / height;  // 0 at the base, 1 at the tip
  if (v < -0.15f || v > 1) return 0;
  const float vc = std::max(v, 0.0f);
  const float width = halfWidth * std::pow(1 - vc, 0.75f) * (0.7f + 0.3f * SmoothStep(0.0f, 0.3f, vc));
  if (width <= 0.01f) return 0;
  const float d = (x - centre) / width;
  const float across = std::max(0.0f, 1 - d * d);
  return across * (1 - 0.55f * vc * vc) * SmoothStep(-0.15f, 0.05f, v);
}

float FlameHeat(float x, float y, const Fire& fire) {
  const float h = fire.height, w = fire.halfWidth;
  const float v = Clamp01((kFlameBaseY - y) / h);
  // Sideways turbulence, stronger towards the tips.
  const float sway = (Fbm(x * 0.06f, y * 0.05f, 11) - 0.5f) * 2 * w * 0.9f * std::pow(v, 1.3f);
  const float sx = x + sway;
  float heat = Tongue(sx, y, kCentreX, h, w);
  heat = std::max(heat, 0.85f * Tongue(sx, y, kCentreX - 0.5f * w, 0.72f * h, 0.55f * w));
  heat = std::max(heat, 0.85f * Tongue(sx, y, kCentreX + 0.45f * w, 0.78f * h, 0.5f * w));
  if (fire.level >= 3) {
    heat = std::max(heat, 0.7f * Tongue(sx, y, kCentreX - 0.85f * w, 0.45f * h, 0.35f * w));
    heat = std::max(heat, 0.7f * Tongue(sx, y, kCentreX + 0.85f * w, 0.5f * h, 0.35f * w));
  }
  // Ragged edges and holes near the top.
  heat -= 0.45f * v * Fbm(x * 0.18f, y * 0.12f, 23);
  return std::max(heat, 0.0f);
}

// Heat to colour: dark red at the edge, orange, yellow, a pale core.
Colour FlameColour(float heat) {
  struct Stop {
    float at;
    Colour colour;
  };
  static const std::array<Stop, 5> kStops{{
      {0.0f, Rgb8(120, 12, 0)},
      {0.25f, Rgb8(215, 55, 0)},
      {0.5f, Rgb8(255, 135, 15)},
      {0.75f, Rgb8(255, 215, 70)},
      {0.95f, Rgb8(255, 250, 205)},
  }};
  for (std::size_t i = 1; i < kStops.size(); ++i) {
    if (heat <= kStops[i].at) {
      const float t = (heat - kStops[i - 1].at) / (kStops[i].at - kStops[i - 1].at);
      return Mix(kStops[i - 1].colour, kStops[i].colour, t);
    }
  }
  return kStops.back().colour;
}

Colour Sparks(float x, float y, const Fire& fire) {
  Colour c;
  for (int k = 0; k < fire.sparks; ++k) {
    const float sx = kCentreX + (Hash(k, 1, 41) - 0.5f) * fire.halfWidth * 2.2f;
    const float sy = kFlameBaseY - fire.height * (0.55f + 0.6f * Hash(k, 2, 41));
    if (sy < 2) continue;
    const float radius = 0.45f + 0.45f * Hash(k, 3, 41);
    const float d2 = ((x - sx) * (x - sx) + (y - sy) * (y - sy)) / (radius * radius);
    c = c + Rgb8(255, 190, 80) * std::exp(-d2);
  }
  return c;
}

Colour Scene(float x, float y, const Fire& fire) {
  const float rim = EllipseValue(x, y, kRimY, kRimRx, kRimRy);
  const float inner = EllipseValue(x, y, kRimY, kInnerRx, kInnerRy);
  const bool front = y >= kRimY;

  Colour c = Ground(x, y, fire);
  if (InFoot(x, y)) c = Foot(x);
  if (inner <= 1) {
    c = Interior(x, y, fire);
  } else if (rim <= 1 && !front) {
    c = Rim(x, y, fire);
  }
  // Flames stand in front of the back rim and behind the front rim and body.
  if (fire.level > 0) {
    const float heat = FlameHeat(x, y, fire);
    const float alpha = SmoothStep(0.03f, 0.22f, heat);
    if (alpha > 0) c = Mix(c, FlameColour(heat), alpha);
  }
  if (front && inner > 1) {
    if (rim <= 1) {
      c = Rim(x, y, fire);
    } else if (EllipseValue(x, y, kRimY, kRimRx, kBodyDepth) <= 1) {
      c = Body(x, y, fire);
    }
  }
  return c + Sparks(x, y, fire);
}

Picture Draw(int level) {
  const Fire fire = FireOf(level);
  Picture picture(kWidth, kHeight);
  for (int py = 0; py < kHeight; ++py) {
    for (int px = 0; px < kWidth; ++px) {
      Colour sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const float x = static_cast<float>(px) + (static_cast<float>(sx) + 0.5f) / kSamples;
          const float y = static_cast<float>(py) + (static_cast<float>(sy) + 0.5f) / kSamples;
          sum = sum + Scene(x, y, fire);
        }
      }
      const Colour c = sum * (1.0f / (kSamples * kSamples));
      auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255)); };
      picture.at(px, py) = {byte(c.r), byte(c.g), byte(c.b)};
    }
  }
  return picture;
}

// Baseline JPEG, three components without chroma subsampling (keeps the
// flame edges crisp). libjpeg's default error handler ends the tool with a
// message, which is all a generator needs.
bool WriteJpeg(const Picture& picture, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  for (int i = 0; i < 3; ++i) info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  std::array<JSAMPLE, kWidth * 3> row{};
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb p = picture.at(x, y);
      const auto i = static_cast<std::size_t>(x) * 3;
      row[i] = p.r;
      row[i + 1] = p.g;
      row[i + 2] = p.b;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  for (int level = 0; level <= 5; ++level) {
    const std::string path = std::string(argv[1]) + "/I" + std::to_string(level) + ".jpg";
    if (!WriteJpeg(Draw(level), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
