// A skin file as anyone may put it beside Vesk.exe: parsed on its own, then
// loaded the way the program starts, pictures, regions and all, and
// hit-tested by the main window's panel.
#include <cstdlib>

#include "platform/sim/sim_system.h"
#include "skin/desk_skin.h"
#include "ui/main/main_panel_model.h"

using namespace vesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);

    skin::SkinFile parsed;
    if (skin::ParseSkinFile(bytes, parsed)) {
        // The loader copies the points into fixed arrays inside one object,
        // where ASan would not see an overrun: the limits must hold here.
        if (parsed.outline.size() > skin::kMaxOutlinePoints) std::abort();
        if (parsed.polygons.size() > skin::kMaxSelectorPolygons) std::abort();
        for (const auto& polygon : parsed.polygons) {
            if (polygon.size() > skin::kMaxSelectorPoints) std::abort();
        }
        if (parsed.mainJpeg.size() + parsed.dialogJpeg.size() > size) std::abort();
    }

    platform::sim::SimSystem sim;
    sim.files.Put("C:\\Vesk\\Default.QSK", bytes);
    // The same bytes stand for the executable too, so that a broken skin
    // file takes the loader on to the skin appended to Vesk.exe.
    sim.files.Put("C:\\Vesk\\Vesk.exe", bytes);
    skin::TDeskSkin skin;
    skin::SkinRegions regions{};
    image::RgbImage mainImage, dialogImage;
    if (skin::LoadSkin("C:\\Vesk\\Default.QSK", "C:\\Vesk\\Vesk.exe", sim.files, sim.regions, skin, regions,
                       mainImage, dialogImage)) {
        for (const image::RgbImage* image : {&mainImage, &dialogImage}) {
            if (image->empty() || image->pixels.size() != std::size_t(image->width) * image->height * 3) {
                std::abort();
            }
        }
        // The panel hit-tests the skin's shapes against the pointer, which
        // lies anywhere on a 16-bit screen while the mouse is captured.
        const ui::MainPanelModel panel(skin, regions, sim.regions);
        const int w = mainImage.width, h = mainImage.height;
        for (platform::Point p : {platform::Point{0, 0}, {w / 2, h / 2}, {w - 1, h - 1}, {-32768, -32768},
                                  {32767, 32767}, {skin.SelectorRect.Left, skin.SelectorRect.Top}}) {
            panel.HitTest(p);
        }
        skin::FreeSkin(skin, regions);
    }
    if (skin.Loaded || sim.regions.LiveCount() != 0) std::abort();  // every region given back
    return 0;
}
