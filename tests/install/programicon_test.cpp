// The window icon comes from the program's resources at the sizes title bars and task bars use; a
// picture missing from the resources, or resources not linked into the program, leave it blank.
#include "shell/applicationsetup.h"
#include "support/testapplication.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

TEST(ProgramIcon, HasAPictureAtEverySizeADesktopAsksFor) {
    testApplication();
    const QIcon icon = programIcon();
    for (int size : {16, 24, 32, 48, 64}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage picture = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(picture.size(), QSize(size, size));
        // Not blank: the calculator's body fills the middle of the picture.
        EXPECT_GT(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 200);
    }
}

}  // namespace
