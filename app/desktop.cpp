#include "app/desktop.h"

#include <X11/Xlib.h>

irr::core::dimension2d<irr::u32> desktopSize()
{
    irr::core::dimension2d<irr::u32> size(0, 0);
    // A device with no window still reads the display's modes.
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    if (irr::IrrlichtDevice* probe = irr::createDeviceEx(params)) {
        size = probe->getVideoModeList()->getDesktopResolution();
        probe->drop(); // made by createDeviceEx: ours to drop
    }
    if (size.Width != 0 && size.Height != 0)
        return size;
    if (Display* display = XOpenDisplay(0)) {
        const int screen = DefaultScreen(display);
        size.Width = static_cast<irr::u32>(DisplayWidth(display, screen));
        size.Height = static_cast<irr::u32>(DisplayHeight(display, screen));
        XCloseDisplay(display);
    }
    return size;
}

// Written by the handler while countDisplayErrors has it in place.
static int displayErrors = 0;
static int (*xlibHandler)(Display*, XErrorEvent*) = 0;

static int countError(Display*, XErrorEvent*)
{
    ++displayErrors;
    return 0;
}

void countDisplayErrors()
{
    displayErrors = 0;
    xlibHandler = XSetErrorHandler(countError);
}

int displayErrorsCounted(irr::IrrlichtDevice* device)
{
    if (device) {
        const irr::video::SExposedVideoData& data = device->getVideoDriver()->getExposedVideoData();
        if (Display* display = static_cast<Display*>(data.OpenGLLinux.X11Display))
            XSync(display, False);
    }
    XSetErrorHandler(xlibHandler);
    return displayErrors;
}
