// The pictures the program looks for lie in resources/ and are what our drawing code makes.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "qt/common/PictureArt.h"
#include "support/QtTestSupport.h"

namespace zel {
namespace {

class PictureArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
};

// Share of pixels that are not white.
double InkShare(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200) ++ink;
    return static_cast<double>(ink) / (image.width() * image.height());
}

TEST_F(PictureArtTest, EveryPictureTheProgramLooksForIsInTheResources) {
    const auto names = qt::ProgramPictureNames();
    EXPECT_EQ(names.size(), 12u + 7u + 2u);
    for (const std::string& name : names) {
        const QImage image(
            QString::fromStdString(std::string(ZEL_SOURCE_DIR) + "/resources/" + name));
        EXPECT_FALSE(image.isNull()) << name;
    }
}

TEST_F(PictureArtTest, EachPictureIsADrawingOfItsOwn) {
    std::set<QByteArray> seen;
    auto distinct = [&](const QImage& image, const std::string& what) {
        EXPECT_GT(InkShare(image), 0.01) << what;
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                image.sizeInBytes());
        EXPECT_TRUE(seen.insert(pixels).second) << what;
    };
    for (int cantilever : {0, 1})
        for (int type = 1; type <= 6; ++type)
            distinct(qt::DrawLoadPicture(type, cantilever == 1),
                     "load " + std::to_string(type) + "/" + std::to_string(cantilever));
    for (int type = 0; type < 7; ++type)
        distinct(qt::DrawMomentDiagram(type), "span type " + std::to_string(type));
}

}  // namespace
}  // namespace zel
