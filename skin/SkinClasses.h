#pragma once

// Registers the skin library's component classes with the layout loader.
void registerSkinClasses();
