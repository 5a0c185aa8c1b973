#pragma once

// Loads the fonts shipped beside the program, relative to the working folder, and makes
// the symbol font the fallback of the interface font, so every text the interface shows
// draws with shipped glyphs whatever fonts the system has.
void registerApplicationFonts();
