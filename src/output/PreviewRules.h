#pragma once
// The rules of the preview window that do not need a window: paging with its beeps, the zoom
// of the zoom list, the scroll of a jump, the caption and the PDF questions.
#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

// Navigation actions of the four buttons.
enum PageMove : int { kMoveFirst = 1, kMovePrevious = 2, kMoveNext = 3, kMoveLast = 4 };

struct PageTurn {
    int page = 1;
    bool beep = false;  // the move ran into the first or last page
};

// The page after a navigation action on page `current` of `pageCount`.
PageTurn TurnPage(int current, int pageCount, int move);

// The page view turned from `current` towards `wanted` (scrolling, keys): one page that way,
// however far the view went.
PageTurn TurnPageInView(int current, int pageCount, int wanted);

// "p / m"; empty while there are no pages.
std::string PageIndicatorText(int page, int pageCount);

// Entries of the zoom list and of the zoom menu, by index.
enum ZoomEntry : int {
    kZoomWholePage = 0,
    kZoomFitWidth = 1,
    kZoom150 = 2,
    kZoom200 = 3,
    kZoomTwoPages = 4,
    kZoomThumbnails = 5,
};
inline constexpr int kZoomEntryCount = 6;
const char* ZoomListText(int entry);  // "全体表示" ...
const char* ZoomMenuText(int entry);  // "全体表示(&1)" ...

// The zoom (percent) at which the page width fills a view `viewWidth` twips wide, times
// `factor`: "150%" and "200%" are 1.5 and 2 times this fit-width zoom.
double RelativeZoom(double viewWidth, double pageWidth, double factor);
// The zoom at which the whole page height fits a view `viewHeight` twips high.
int WholePageZoom(double viewHeight, double pageHeight);

// Scroll offset (twips) after a jump to result line `jumpRequest`: the lower half of the page
// for an even line, the top otherwise.
std::int32_t JumpScrollTwips(int jumpRequest, float printableHeightCm);

// "<file name>   KAVO-Zel /ＲＣ梁断面算定"; `dataName` is the data file's path or
// "新規データ" for beams never saved.
std::string PreviewCaption(std::string_view dataName);

// The questions and messages of the preview's commands ("\r" breaks lines).
inline constexpr const char* kPreviewCloseQuestion =
    "プレビュー画面を閉じて、メイン画面へ戻ります。";
inline constexpr const char* kPrintAllQuestion =
    "作成した診断書(全ページ)をプリンターへ出力します。よろしいですか？";
inline constexpr const char* kPrintPageQuestion = "現在、表示されているページのみ印刷します。";
inline constexpr const char* kPdfDialogTitle = "『 KAVO-Zel 計算書の PDF 出力 』";
inline constexpr const char* kPdfDialogFilter = "PDF(*.pdf)|*.pdf|すべてのﾌｧｲﾙ(*.*)|*.*";
std::string PdfOverwriteQuestion(std::string_view path);
std::string PdfCreatedQuestion(std::string_view path);
std::string PdfFailedMessage(std::string_view path, std::string_view reason);
std::string PrintFailedMessage(std::string_view reason);

}  // namespace zel
