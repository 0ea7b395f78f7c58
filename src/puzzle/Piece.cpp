#include "puzzle/Piece.h"

#include "puzzle/Geometry.h"

namespace puzzle {

namespace {

struct PieceType {
    Shape shape;
    const char* portrait;
};

// Piece numbers 1..18; every number above is a soldier like number 1.
constexpr PieceType kPieceTypes[] = {
    {Shape::Small, "bing.bmp"},       {Shape::Big, "caocao.bmp"},
    {Shape::Across, "dongzhuo.bmp"},  {Shape::Erect, "guanyu.bmp"},
    {Shape::Across, "huanggai.bmp"},  {Shape::Erect, "luxun.bmp"},
    {Shape::Erect, "machao.bmp"},     {Shape::Erect, "menghuo.bmp"},
    {Shape::Across, "sunjian.bmp"},   {Shape::Across, "taishici.bmp"},
    {Shape::Erect, "weiyan.bmp"},     {Shape::Across, "xiahoudun.bmp"},
    {Shape::Erect, "xiahouyuan.bmp"}, {Shape::Across, "yuanshao.bmp"},
    {Shape::Erect, "zhangfei.bmp"},   {Shape::Erect, "zhanghan.bmp"},
    {Shape::Erect, "zhaoyun.bmp"},    {Shape::Across, "huangzhong.bmp"},
};
constexpr int kTypedPieces = sizeof kPieceTypes / sizeof kPieceTypes[0];

const PieceType& TypeOf(int number) {
    return kPieceTypes[number >= 1 && number <= kTypedPieces ? number - 1 : 0];
}

} // namespace

Shape Piece::ShapeOf(int number) {
    return TypeOf(number).shape;
}

const char* Piece::PortraitImage(int number) {
    return TypeOf(number).portrait;
}

const char* Piece::FrameImage(Shape shape) {
    switch (shape) {
    case Shape::Across:
        return "acrosskuang.png";
    case Shape::Erect:
        return "erectkuang.png";
    case Shape::Big:
        return "bigkuang.png";
    case Shape::Small:
        break;
    }
    return "smallkuang.png";
}

int Piece::ColumnsOf(Shape shape) {
    return (shape == Shape::Across || shape == Shape::Big) ? 2 : 1;
}

int Piece::RowsOf(Shape shape) {
    return (shape == Shape::Erect || shape == Shape::Big) ? 2 : 1;
}

void Piece::SetType(int number) {
    if (number <= 0) {
        return;
    }
    shape = ShapeOf(number);
    width = ColumnsOf(shape) * kCellWidth;
    height = RowsOf(shape) * kCellHeight;
}

bool Piece::Overlaps(const Piece& other) const {
    const int left = col * kCellWidth;
    const int top = row * kCellHeight;
    const int otherLeft = other.col * kCellWidth;
    const int otherTop = other.row * kCellHeight;
    return left < otherLeft + other.width && otherLeft < left + width &&
           top < otherTop + other.height && otherTop < top + height;
}

int Piece::Columns() const {
    return width / kCellWidth;
}

int Piece::Rows() const {
    return height / kCellHeight;
}

} // namespace puzzle
