#include "app/screenshot.h"

#include <GL/gl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "core/engine.h"
#include "core/files.h"
#include "core/run_state.h"
#include "ui/input.h"
#include "ui/notice.h"

// Many pictures in one second (a held key repeats): past this many the
// second's names are used up and the picture is not taken.
static constexpr int MAX_COPIES_PER_SECOND = 100;

std::string screenshotFolder()
{
    const std::string pictures = userFolder("XDG_PICTURES_DIR", "Pictures");
    return pictures.empty() ? "" : pictures + "/skorvane";
}

std::string screenshotName(long when, int copy)
{
    const time_t seconds = static_cast<time_t>(when);
    struct tm local;
    char stamp[32] = "unknown-time";
    if (localtime_r(&seconds, &local))
        strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    char name[64];
    if (copy <= 1)
        snprintf(name, sizeof name, "skorvane-%s.png", stamp);
    else
        snprintf(name, sizeof name, "skorvane-%s-%d.png", stamp, copy);
    return name;
}

// The picture of the back buffer, where the frame has been drawn and not yet
// shown. The engine's own screenshot reads the front buffer, which Mesa's
// software driver leaves black. Rows come bottom first from OpenGL.
static irr::video::IImage* backBufferImage()
{
    if (driver->getDriverType() != irr::video::EDT_OPENGL)
        return driver->createScreenShot();
    const irr::core::dimension2d<irr::u32> size = driver->getScreenSize();
    irr::video::IImage* image = driver->createImage(irr::video::ECF_R8G8B8, size);
    if (!image)
        return 0;
    unsigned char* pixels = static_cast<unsigned char*>(image->lock());
    const irr::u32 pitch = image->getPitch();
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    for (irr::u32 row = 0; row < size.Height; ++row)
        glReadPixels(0, static_cast<GLint>(size.Height - 1 - row), static_cast<GLsizei>(size.Width), 1, GL_RGB,
                     GL_UNSIGNED_BYTE, pixels + row * pitch);
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    image->unlock();
    if (glGetError() != GL_NO_ERROR) {
        image->drop();
        return 0;
    }
    return image;
}

static void cannotSave(const std::string& folder, const char* why)
{
    printf("screenshot not saved: cannot write into %s: %s\n", folder.empty() ? "the working folder" : folder.c_str(),
           why);
    fflush(stdout);
}

std::string saveScreenshot()
{
    const std::string folder = screenshotFolder();
    if (!folder.empty() && !makeFolders(folder, 0755)) {
        cannotSave(folder, strerror(errno));
        return "";
    }
    const std::string prefix = folder.empty() ? "" : folder + "/";
    const long now = static_cast<long>(time(0));
    std::string name, path;
    struct stat status;
    for (int copy = 1;; ++copy) {
        if (copy > MAX_COPIES_PER_SECOND) {
            cannotSave(folder, "too many pictures in one second");
            return "";
        }
        name = screenshotName(now, copy);
        path = prefix + name;
        // Never over a file (or a link) already there.
        if (lstat(path.c_str(), &status) != 0 && errno == ENOENT)
            break;
    }
    irr::video::IImage* image = backBufferImage();
    if (!image) {
        printf("screenshot not saved: the driver gives no picture of the window\n");
        fflush(stdout);
        return "";
    }
    const bool written = driver->writeImageToFile(image, path.c_str());
    image->drop(); // made for us
    if (!written) {
        // The engine's writer may leave a file begun.
        remove(path.c_str());
        cannotSave(folder, "the picture could not be written");
        return "";
    }
    printf("screenshot saved: %s\n", path.c_str());
    fflush(stdout);
    showNotice(("Saved " + name).c_str(), readClock());
    return path;
}

void saveWantedScreenshot()
{
    if (!screenshotWanted)
        return;
    screenshotWanted = false;
    saveScreenshot();
}
