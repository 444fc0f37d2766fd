#include "kit/ui/Bezier.h"
#include "kit/ui/Path.h"

#include <cmath>

// Length measurement and trimming of paths.
namespace kit::ui {
namespace {

constexpr double tolerance = 0.02;

// One drawn piece of a path: a line (controls on its ends) or a cubic, with a table of lengths
// at evenly spaced parameters.
struct Piece {
  bezier::Cubic curve;
  bool isLine = false;
  int subpath = 0;
  std::vector<double> lengths; // cumulative, lengths[i] at t = i / (size - 1)

  double length() const { return lengths.back(); }
  double parameterAt(double along) const {
    std::size_t n = lengths.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
      if (along <= lengths[i + 1]) {
        double span = lengths[i + 1] - lengths[i];
        double f = span > 0 ? (along - lengths[i]) / span : 0;
        return (double(i) + f) / double(n);
      }
    }
    return 1;
  }
};

Piece makePiece(bezier::Cubic curve, bool isLine, int subpath) {
  Piece piece{curve, isLine, subpath, {0}};
  int n = isLine ? 1 : bezier::pieces(curve, tolerance);
  Point previous = curve[0];
  for (int i = 1; i <= n; ++i) {
    Point p = isLine ? curve[3] : bezier::pointAt(curve, double(i) / n);
    piece.lengths.push_back(piece.lengths.back() + bezier::distance(previous, p));
    previous = p;
  }
  return piece;
}

std::vector<Piece> piecesOf(const Path &path) {
  std::vector<Piece> pieces;
  Point current{}, start{};
  int subpath = -1;
  for (const Path::Element &e : path.elements()) {
    switch (e.verb) {
    case Path::Verb::move:
      current = start = e.points[0];
      ++subpath;
      break;
    case Path::Verb::line:
      pieces.push_back(makePiece({current, current, e.points[0], e.points[0]}, true, subpath));
      current = e.points[0];
      break;
    case Path::Verb::cubic:
      pieces.push_back(makePiece({current, e.points[0], e.points[1], e.points[2]}, false, subpath));
      current = e.points[2];
      break;
    case Path::Verb::close:
      pieces.push_back(makePiece({current, current, start, start}, true, subpath));
      current = start;
      break;
    }
  }
  return pieces;
}

} // namespace

double Path::length() const {
  double total = 0;
  for (const Piece &piece : piecesOf(*this))
    total += piece.length();
  return total;
}

Path Path::trimmed(double from, double to) const {
  from = std::isfinite(from) ? std::clamp(from, 0.0, 1.0) : 0;
  to = std::isfinite(to) ? std::clamp(to, 0.0, 1.0) : 0;
  if (to <= from)
    return {};
  if (from == 0 && to == 1)
    return *this;
  std::vector<Piece> pieces = piecesOf(*this);
  double total = 0;
  for (const Piece &piece : pieces)
    total += piece.length();
  if (!(total > 0))
    return {};

  double a = from * total, b = to * total, offset = 0;
  Path result;
  const Piece *previous = nullptr; // the last piece emitted up to its end
  for (const Piece &piece : pieces) {
    double s = std::max(a, offset), e = std::min(b, offset + piece.length());
    if (e > s) {
      double t0 = piece.parameterAt(s - offset), t1 = piece.parameterAt(e - offset);
      bezier::Cubic part = bezier::segment(piece.curve, t0, t1);
      if (!previous || previous->subpath != piece.subpath || t0 > 0)
        result.move(part[0]);
      if (piece.isLine)
        result.addLine(part[3]);
      else
        result.addCurve(part[3], part[1], part[2]);
      previous = t1 >= 1 ? &piece : nullptr;
    }
    offset += piece.length();
  }
  return result;
}

} // namespace kit::ui
