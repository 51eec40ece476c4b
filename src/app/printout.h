#pragma once
// The printout of one floor: each copy is one page and every page prints the whole floor at the scale
// N:1, corrected by the printer's calibration.

#include "platform/printing.h"

// What the pages of one Print command found, told once per command after its last job: a drawing of
// other units than those in force, or a sheet too large for the printer at the chosen scale.
struct PrintNotices {
    bool unitsDiffer = false;
    bool tooLarge = false;
};

class THDPrintout : public platform::Printout {
  public:
    // `printViewCode` is 1050, 1051 or 1052: 1000 plus the floor's view code. `showScale` 1 prints the
    // scale caption; `lineWeight` 1 light, 2 medium, 3 heavy.
    THDPrintout(int printViewCode, int scaleDenominator, int copies, int showScale, int lineWeight,
                PrintNotices& notices);

    PageRange GetDialogInfo() override;
    bool HasPage(int page) override;
    void PrintPage(int page, platform::DeviceContext& dc, platform::Size pageSize,
                   int pixelsPerInch) override;

    int Copies;
    int ScaleDenominator;
    int PrintViewCode;
    int ShowScale;
    int LineWeight;

  private:
    PrintNotices& notices_;
};
