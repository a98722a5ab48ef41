// The window icon is built in, and Qt can draw it: without the SVG icon plugin installed the
// windows would silently show none.
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

TEST(AppIcon, IsBuiltInAndDrawsAtSmallAndLargeSizes) {
    QIcon icon(QStringLiteral(":/icons/tolva.svg"));
    for (int size : {16, 256}) {
        SCOPED_TRACE(size);
        QImage image = icon.pixmap(size, size).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), size);
        // The middle of the page holds a bracket's blue; a corner is transparent.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        int blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                QColor c = image.pixelColor(x, y);
                if (c.alpha() > 200 && c.blue() > 150 && c.red() < 100) ++blue;
            }
        EXPECT_GT(blue, size * size / 40);
    }
}

} // namespace
