#include "screens/ScreenArtHelpPages.h"

#include <algorithm>
#include <cmath>

#include "Text.h"
#include "Theme.h"
#include "screens/ScreenArtMaterials.h"
#include "screens/ScreenArtOrnaments.h"

namespace assetgen {
namespace {

constexpr int kPageW = 119;
constexpr int kPageH = 396;
constexpr double kMargin = (kPageW - kHelpTextWidth) / 2;

// A paragraph: Chinese in calligraphy, broken by hand at '\n'; English in the plain face,
// wrapped to the page's width.
struct Paragraph {
    const char* text;
    bool calligraphy;
};

struct Page {
    const char* title;
    const char* english;
    std::vector<Paragraph> paragraphs;
};

constexpr double kChineseSize = 13;
constexpr double kEnglishSize = 10;

const Page& PageText(int page) {
    static const Page pages[3] = {
        {"目标",
         "GOAL",
         {{"移开众将，\n让曹操这块\n二乘二大块\n走到底部正中，\n从出口逃出。", true},
          {"Move the others aside and bring Cao Cao, the 2x2 block, to the exit at the "
           "bottom middle.",
           false}}},
        {"走法",
         "MOVES",
         {{"先点一块，\n再点与它同行\n或同列的空格，\n它便走一格。", true},
          {"Click a block, then an empty cell in line with it: the block moves one cell "
           "that way.",
           false},
          {"步数记下\n你走了几步。", true},
          {"The step counter counts your moves.", false}}},
        {"选关",
         "LEVELS",
         {{"箭头翻页，\n点关卡即玩；\n过关的留印记。", true},
          {"The arrows page the list; click a level to play it. Cleared levels are marked.",
           false}}},
    };
    return pages[page - 1];
}

TextStyle ParagraphStyle(bool calligraphy) {
    return calligraphy ? TextStyle{kCalligraphy, kChineseSize, false, theme::kInk}
                       : TextStyle{kPlain, kEnglishSize, false, theme::kWood};
}

// Breaks a paragraph into lines: Chinese at its '\n', English between words wherever the
// next word would pass the width. A single word wider than the width keeps a line of its own.
std::vector<std::string> BreakLines(cairo_t* cr, const Paragraph& paragraph) {
    std::vector<std::string> lines;
    const std::string text = paragraph.text;
    if (paragraph.calligraphy) {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
        return lines;
    }
    const TextStyle style = ParagraphStyle(false);
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        const std::string joined = line.empty() ? word : line + " " + word;
        if (!line.empty() && MeasureText(cr, style, joined).width > kHelpTextWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = joined;
        }
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void PaintScroll(Canvas& canvas, double left) {
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, left + 5, 6, kPageW - 10, kPageH - 12);
    FillPathWith(canvas, ParchmentShader(901 + static_cast<std::uint32_t>(left)), false);
    cairo_save(cr);
    theme::kCinnabarDark.WithAlpha(0.6).Use(cr);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, left + 8.5, 16.5, kPageW - 17, kPageH - 33);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (const double y : {0.0, kPageH - 10.0}) {
        cairo_pattern_t* wood = cairo_pattern_create_linear(0, y, 0, y + 10);
        cairo_pattern_add_color_stop_rgb(wood, 0, theme::kWoodDark.r, theme::kWoodDark.g,
                                         theme::kWoodDark.b);
        cairo_pattern_add_color_stop_rgb(wood, 0.35, theme::kWoodLight.r, theme::kWoodLight.g,
                                         theme::kWoodLight.b);
        cairo_pattern_add_color_stop_rgb(wood, 1, theme::kWoodDark.r, theme::kWoodDark.g,
                                         theme::kWoodDark.b);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_rectangle(cr, left + 3, y, kPageW - 6, 10);
        cairo_set_source(cr, wood);
        cairo_fill(cr);
        cairo_pattern_destroy(wood);
        for (const double capX : {left, left + kPageW - 6.0}) {
            cairo_rectangle(cr, capX, y, 6, 10);
            theme::kGold.Use(cr);
            cairo_fill(cr);
        }
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    }
}

// A small board of `cols` x `rows` cells of `cell` pixels at (x, y); the caller draws blocks.
void MiniGrid(cairo_t* cr, double x, double y, int cols, int rows, double cell) {
    cairo_save(cr);
    theme::kParchmentDark.WithAlpha(0.6).Use(cr);
    cairo_rectangle(cr, x, y, cols * cell, rows * cell);
    cairo_fill(cr);
    theme::kWood.WithAlpha(0.45).Use(cr);
    cairo_set_line_width(cr, 0.8);
    for (int c = 0; c <= cols; ++c) {
        cairo_move_to(cr, x + c * cell, y);
        cairo_line_to(cr, x + c * cell, y + rows * cell);
    }
    for (int r = 0; r <= rows; ++r) {
        cairo_move_to(cr, x, y + r * cell);
        cairo_line_to(cr, x + cols * cell, y + r * cell);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Block(cairo_t* cr, double x, double y, double w, double h, const Colour& colour,
           const char* label) {
    RoundedRectPath(cr, x + 1, y + 1, w - 2, h - 2, 2);
    colour.Use(cr);
    cairo_fill_preserve(cr);
    theme::kGoldDark.Use(cr);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (label != nullptr) {
        TextStyle style{kCalligraphy, std::min(w, h) * 0.5, true, theme::kGoldLight};
        DrawTextCentred(cr, style, label, x, y, w, h);
    }
}

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, const Colour& colour) {
    cairo_save(cr);
    colour.Use(cr);
    cairo_set_line_width(cr, 1.6);
    const double dashes[] = {3, 2};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length = std::max(1.0, std::sqrt(dx * dx + dy * dy));
    const double ux = dx / length;
    const double uy = dy / length;
    cairo_move_to(cr, x1 + ux * 4, y1 + uy * 4);
    cairo_line_to(cr, x1 - uy * 4, y1 + ux * 4);
    cairo_line_to(cr, x1 + uy * 4, y1 - ux * 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Page 1: the 2x2 block and the way down to the exit.
double GoalDiagram(cairo_t* cr, double left, double y) {
    const double cell = 16;
    const double x = left + (kPageW - 4 * cell) / 2;
    MiniGrid(cr, x, y, 4, 5, cell);
    Block(cr, x, y, cell, 2 * cell, theme::kShu, nullptr);
    Block(cr, x + 3 * cell, y, cell, 2 * cell, theme::kWu, nullptr);
    Block(cr, x + cell, y, 2 * cell, 2 * cell, theme::kBigBlock, "曹");
    Block(cr, x, y + 3 * cell, cell, cell, theme::kSoldier, nullptr);
    Block(cr, x + 3 * cell, y + 4 * cell, cell, cell, theme::kSoldier, nullptr);
    // The goal: dashed outline over the exit, and the gap in the frame.
    cairo_save(cr);
    theme::kCinnabar.Use(cr);
    const double dashes[] = {2, 2};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1.2);
    cairo_rectangle(cr, x + cell + 1.5, y + 3 * cell + 1.5, 2 * cell - 3, 2 * cell - 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    Arrow(cr, x + 2 * cell, y + 2 * cell + 2, x + 2 * cell, y + 3 * cell + 6, theme::kCinnabarDark);
    theme::kWoodDark.Use(cr);
    cairo_rectangle(cr, x - 2, y + 5 * cell, cell + 2, 3);
    cairo_rectangle(cr, x + 3 * cell, y + 5 * cell, cell + 2, 3);
    cairo_fill(cr);
    TextStyle exit{kPlain, 9, false, theme::kCinnabarDark};
    DrawTextCentred(cr, exit, "出口 EXIT", x, y + 5 * cell + 3, 4 * cell, 12);
    return y + 5 * cell + 16;
}

// Page 2: a selected block and the empty cell clicked next to it.
double MoveDiagram(cairo_t* cr, double left, double y) {
    const double cell = 18;
    const double x = left + (kPageW - 4 * cell) / 2;
    MiniGrid(cr, x, y, 4, 2, cell);
    Block(cr, x, y, cell, 2 * cell, theme::kShu, nullptr);
    Block(cr, x + cell, y, cell, cell, theme::kSoldier, nullptr);
    Block(cr, x + 3 * cell, y, cell, 2 * cell, theme::kWei, nullptr);
    // The selection glow and the click.
    RoundedRectPath(cr, x + cell + 0.5, y + cell + 0.5, cell - 1, cell - 1, 2);
    Block(cr, x + cell, y + cell, cell, cell, theme::kWu, nullptr);
    theme::kGoldLight.Use(cr);
    cairo_set_line_width(cr, 2);
    RoundedRectPath(cr, x + cell + 1, y + cell + 1, cell - 2, cell - 2, 2);
    cairo_stroke(cr);
    Arrow(cr, x + 1.5 * cell + 6, y + 1.5 * cell, x + 2.5 * cell - 2, y + 1.5 * cell,
          theme::kCinnabarDark);
    cairo_arc(cr, x + 2.5 * cell + 2, y + 1.5 * cell, 3, 0, 6.2832);
    theme::kCinnabar.Use(cr);
    cairo_fill(cr);
    return y + 2 * cell + 6;
}

// Page 3: the three keys, each a key cap over what it does.
double KeyList(cairo_t* cr, double left, double y) {
    struct Key {
        const char* cap;
        const char* chinese;
        const char* english;
    };
    const Key keys[] = {{"Esc", "离开 · 暂停", "leave, pause"},
                        {"Enter", "开始 · 确定", "start, confirm"},
                        {"Alt+Enter", "全屏切换", "full screen"}};
    const double x = left + kMargin;
    TextStyle heading{kCalligraphy, 15, false, theme::kInk};
    DrawText(cr, heading, "按键", x, y);
    TextStyle headingEn{kPlain, 10, false, theme::kCinnabarDark};
    DrawText(cr, headingEn, "KEYS", x + MeasureText(cr, heading, "按键").width + 4, y + 4);
    y += 23;
    TextStyle cap{kPlain, 10, true, theme::kParchmentLight};
    TextStyle chinese{kCalligraphy, 13, false, theme::kInk};
    TextStyle english{kPlain, 10, false, theme::kWood};
    for (const Key& key : keys) {
        const double capW = MeasureText(cr, cap, key.cap).width + 10;
        RoundedRectPath(cr, x, y, capW, 15, 3);
        theme::kWood.Use(cr);
        cairo_fill_preserve(cr);
        theme::kGoldDark.Use(cr);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        DrawTextCentred(cr, cap, key.cap, x, y, capW, 15);
        DrawText(cr, chinese, key.chinese, x + 2, y + 16);
        DrawText(cr, english, key.english, x + 2, y + 32);
        y += 47;
    }
    return y;
}

void PaintPage(Canvas& canvas, int page) {
    cairo_t* cr = canvas.Cr();
    const double left = (page - 1) * kPageW;
    PaintScroll(canvas, left);
    const Page& text = PageText(page);
    TitleStyle title{22, 9, theme::kInk, theme::kCinnabarDark, 0};
    double y = TitlePair(cr, title, text.title, text.english, left + kPageW / 2.0, 20);
    Divider(cr, left + kPageW / 2.0, y + 6, 44, theme::kCinnabarDark.WithAlpha(0.8));
    y += 14;
    if (page == 1) {
        y = GoalDiagram(cr, left, y + 2);
    } else if (page == 2) {
        y = MoveDiagram(cr, left, y + 2);
    }
    for (const Paragraph& paragraph : text.paragraphs) {
        y += paragraph.calligraphy ? 6 : 3;
        const TextStyle style = ParagraphStyle(paragraph.calligraphy);
        for (const std::string& line : BreakLines(cr, paragraph)) {
            DrawText(cr, style, line, left + kMargin, y);
            y += paragraph.calligraphy ? 17 : 13;
        }
    }
    if (page == 3) {
        KeyList(cr, left, y + 6);
    }
    TextStyle number{kPlain, 10, false, theme::kCinnabarDark};
    const std::string label = std::to_string(page) + " / 3";
    DrawTextCentred(cr, number, label, left, kPageH - 34, kPageW, 14);
    Divider(cr, left + kPageW / 2.0, kPageH - 38, 30, theme::kCinnabarDark.WithAlpha(0.5));
}

} // namespace

std::vector<HelpLine> HelpPageLines(int page) {
    Canvas scratch(1, 1);
    std::vector<HelpLine> lines;
    for (const Paragraph& paragraph : PageText(page).paragraphs) {
        const TextStyle style = ParagraphStyle(paragraph.calligraphy);
        for (const std::string& line : BreakLines(scratch.Cr(), paragraph)) {
            lines.push_back({line, paragraph.calligraphy, style.sizePx});
        }
    }
    return lines;
}

void PaintHelpPages(Canvas& canvas) {
    for (int page = 1; page <= 3; ++page) {
        PaintPage(canvas, page);
    }
}

} // namespace assetgen
