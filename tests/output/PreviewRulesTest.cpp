// The preview's rules without a window: paging, zoom arithmetic, jump scroll, texts.
#include <gtest/gtest.h>

#include "lib/Twips.h"
#include "output/PreviewRules.h"

namespace zel {
namespace {

TEST(PreviewRulesTest, PagingBeepsAtBothEndsAndTheViewMovesOnePage) {
    EXPECT_EQ(TurnPage(1, 7, kMovePrevious).page, 1);
    EXPECT_TRUE(TurnPage(1, 7, kMovePrevious).beep);
    EXPECT_EQ(TurnPage(7, 7, kMoveNext).page, 7);
    EXPECT_TRUE(TurnPage(7, 7, kMoveNext).beep);
    EXPECT_FALSE(TurnPage(3, 7, kMoveNext).beep);
    EXPECT_EQ(TurnPage(3, 7, kMoveLast).page, 7);
    EXPECT_EQ(TurnPage(3, 7, kMoveFirst).page, 1);
    // An empty sheet stays on page 1 whatever is pressed.
    EXPECT_EQ(TurnPage(1, 0, kMoveNext).page, 1);
    EXPECT_EQ(TurnPage(1, 0, kMoveLast).page, 1);

    EXPECT_EQ(TurnPageInView(2, 7, 7).page, 3);
    EXPECT_EQ(TurnPageInView(5, 7, 1).page, 4);
    EXPECT_EQ(TurnPageInView(5, 7, 5).page, 5);

    EXPECT_EQ(PageIndicatorText(3, 7), "3 / 7");
    EXPECT_EQ(PageIndicatorText(1, 0), "");
}

TEST(PreviewRulesTest, ZoomsFollowTheViewSize) {
    EXPECT_NEAR(RelativeZoom(10000, 11906, 2.0), 162.10, 0.005);
    EXPECT_NEAR(RelativeZoom(10000, 11906, 1.5), 121.58, 0.005);
    EXPECT_EQ(WholePageZoom(9000, 16838), 51);  // (9000 - 360) / 16838 = 0.513
    EXPECT_EQ(RelativeZoom(10000, 0, 1.0), 0.0);
}

TEST(PreviewRulesTest, EvenLinesScrollToTheLowerHalf) {
    EXPECT_EQ(JumpScrollTwips(3, 25.2f), 0);
    EXPECT_EQ(JumpScrollTwips(0, 25.2f), 0);
    EXPECT_EQ(JumpScrollTwips(4, 25.2f), CmToTwips(14.6f));
}

TEST(PreviewRulesTest, CaptionAndPdfQuestions) {
    EXPECT_EQ(PreviewCaption("/data/梁A.Zel"), "梁A.Zel   KAVO-Zel /ＲＣ梁断面算定");
    EXPECT_EQ(PreviewCaption("新規データ"), "新規データ   KAVO-Zel /ＲＣ梁断面算定");
    EXPECT_EQ(PdfOverwriteQuestion(" /x/a.pdf "),
              "/x/a.pdf\r\rはすでに存在します。\r\r上書きしてもよろしいですか。");
    EXPECT_EQ(PdfCreatedQuestion("/x/a.pdf"),
              "/x/a.pdf\n\nを作成しました。\n\n作成した PDF を表示しますか？");
    EXPECT_EQ(ZoomMenuText(kZoomFitWidth), std::string("幅合わせ(&2)"));
    EXPECT_EQ(ZoomListText(kZoomTwoPages), std::string("2ﾍﾟｰｼﾞ表示"));
}

}  // namespace
}  // namespace zel
