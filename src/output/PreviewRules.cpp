#include "output/PreviewRules.h"

#include <algorithm>
#include <cmath>

#include "lib/Paths.h"
#include "lib/Twips.h"
#include "lib/Version.h"

namespace zel {

PageTurn TurnPage(int current, int pageCount, int move) {
    const int last = std::max(1, pageCount);
    switch (move) {
        case kMoveFirst:
            return {1, false};
        case kMovePrevious:
            if (current <= 1) return {1, true};
            return {std::min(current - 1, last), false};
        case kMoveNext:
            if (current + 1 > last) return {last, true};
            return {std::max(current + 1, 1), false};
        case kMoveLast:
            return {last, false};
        default:
            return {std::clamp(current, 1, last), false};
    }
}

PageTurn TurnPageInView(int current, int pageCount, int wanted) {
    if (wanted < current) return TurnPage(current, pageCount, kMovePrevious);
    if (wanted > current) return TurnPage(current, pageCount, kMoveNext);
    return {current, false};
}

std::string PageIndicatorText(int page, int pageCount) {
    if (pageCount == 0) return {};
    return std::to_string(page) + " / " + std::to_string(pageCount);
}

const char* ZoomListText(int entry) {
    static const char* const texts[kZoomEntryCount] = {"全体表示", "幅合わせ",   "150%",
                                                       "200%",     "2ﾍﾟｰｼﾞ表示", "ｻﾑﾈｲﾙ"};
    return entry >= 0 && entry < kZoomEntryCount ? texts[entry] : "";
}

const char* ZoomMenuText(int entry) {
    static const char* const texts[kZoomEntryCount] = {
        "全体表示(&1)", "幅合わせ(&2)", "150%(&3)", "200%(&4)", "2ﾍﾟｰｼﾞ表示(&5)", "ｻﾑﾈｲﾙ(66)"};
    return entry >= 0 && entry < kZoomEntryCount ? texts[entry] : "";
}

double RelativeZoom(double viewWidth, double pageWidth, double factor) {
    if (pageWidth <= 0) return 0;
    // 350 twips leave room for the scroll bar and the gap around the page.
    return (viewWidth - 350.0) / pageWidth * 100.0 * factor;
}

int WholePageZoom(double viewHeight, double pageHeight) {
    if (pageHeight <= 0) return 0;
    return static_cast<int>(std::lround((viewHeight - 360.0) / pageHeight * 100.0));
}

std::int32_t JumpScrollTwips(int jumpRequest, float printableHeightCm) {
    if (jumpRequest == 0 || jumpRequest % 2 != 0) return 0;
    return CmToTwips((2.0f + printableHeightCm + 2.0f) / 2.0f);
}

std::string PreviewCaption(std::string_view dataName) {
    const std::string name = dataName == kNewDataName || dataName.empty()
                                 ? std::string(kNewDataName)
                                 : FileNameOf(dataName);
    return name + "   " + kProgramTitle;
}

std::string PdfOverwriteQuestion(std::string_view path) {
    std::string name(path);
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    return name + "\r\rはすでに存在します。\r\r上書きしてもよろしいですか。";
}

std::string PdfCreatedQuestion(std::string_view path) {
    return std::string(path) + "\n\nを作成しました。\n\n作成した PDF を表示しますか？";
}

std::string PdfFailedMessage(std::string_view path, std::string_view reason) {
    return std::string(path) + "\r\rを作成できませんでした。\r\r" + std::string(reason);
}

std::string PrintFailedMessage(std::string_view reason) {
    return "印刷できませんでした。\r\r" + std::string(reason);
}

}  // namespace zel
