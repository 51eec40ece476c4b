#pragma once
// A print job into a PDF file, written by the program itself rather than by Qt's PDF engine, whose
// compression is fixed at a level that takes longer than the rest of a print together. Each page is the
// operators Qt's engine wrote for the same primitives (so a renderer gives the same pixels), in whole
// device pixels at the printer's resolution, each state set only when it changes; texts are glyphs of
// embedded fonts placed where Qt lays them out.

#include "platform/printing.h"

#include <memory>
#include <string>
#include <string_view>

class QPageLayout;

namespace platform::qt {

// A job making a PDF file in memory on the whole paper of `layout` at `resolution` pixels per inch,
// its title `title`; the bytes come back for the caller to write to `file`.
std::unique_ptr<PrintDocument> MakePdfDocument(const QPageLayout& layout, int resolution,
                                               std::string_view title, std::string file);

} // namespace platform::qt
