// The engine's bare frame loop in a 640 x 480 window: clear, an empty scene,
// the GUI. The game's frame time is reported as a ratio against this.
#include <irrlicht.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? atof(argv[1]) : 5.0;
    irr::IrrlichtDevice* engine = irr::createDevice(irr::video::EDT_OPENGL,
                                                    irr::core::dimension2d<irr::u32>(640, 480), 16);
    if (!engine) {
        printf("no window\n");
        return 1;
    }
    engine->setWindowCaption(L"bare loop");
    irr::video::IVideoDriver* video = engine->getVideoDriver();
    irr::scene::ISceneManager* scene = engine->getSceneManager();
    irr::gui::IGUIEnvironment* gui = engine->getGUIEnvironment();
    scene->addCameraSceneNode();
    gui->addStaticText(L"HOU:00 MAD:00 1 20:00", irr::core::rect<irr::s32>(280, 15, 440, 65));

    using clock = std::chrono::steady_clock;
    const clock::time_point start = clock::now();
    long frames = 0;
    double elapsed = 0.0;
    while (engine->run() && elapsed < seconds) {
        video->beginScene(true, true, irr::video::SColor(255, 63, 63, 63));
        scene->drawAll();
        gui->drawAll();
        video->endScene();
        ++frames;
        elapsed = std::chrono::duration<double>(clock::now() - start).count();
    }
    printf("bare loop: frames=%ld seconds=%.2f fps=%.1f ms_per_frame=%.3f\n", frames, elapsed,
           frames / elapsed, 1000.0 * elapsed / frames);
    engine->drop();
    return 0;
}
