#pragma once

#include <vector>

class GalleryFamily;
class QWidget;

// One family of controls shown by the gallery.
struct GalleryFamilyRow {
    // The family's name: its layout is "layouts/<name>.layout".
    const char *name;
    // The caption of its page's tab: short, so that every tab shows at the window's minimum
    // width.
    const char *tab;
    // Builds the (still empty) family on the window's frame.
    GalleryFamily *(*create)(QWidget *frame);
};

// Every family, in the order the gallery shows them.
const std::vector<GalleryFamilyRow> &GalleryFamilies();
