#pragma once

#include <chrono>
#include <cstdint>

#include "core/crc_search.h"
#include "ui/panel.h"

class QCheckBox;

namespace kelvo {

class ChecksumPanel;
class EditBox;
class PlatformServices;
class ResultsPane;

// Two sample frames with their checksums, and the box that starts and stops the search for the
// CRC parameters that produce both. Each candidate is shown in the checksum panel's init and
// polynomial boxes, and every match is printed into the results pane. The samples' key and
// change events drive the hex string converter; the main window wires them.
class FormulaFinder : public Panel {
    Q_OBJECT

  public:
    FormulaFinder(QWidget* parent, PlatformServices& services, ChecksumPanel& checksums,
                  ResultsPane& results);

    // How long the search may run between two rounds of window events, taken at the points where
    // the search hands the window its events (before each CRC-8 candidate, once per CRC-16 init
    // value). Zero hands them over at every such point.
    void SetEventInterval(std::chrono::milliseconds interval) { eventInterval_ = interval; }

    QCheckBox* CheckBox1;
    EditBox* AdvEdit20;
    EditBox* AdvEdit_SUM_1;
    EditBox* AdvEdit19;
    EditBox* AdvEdit_SUM_2;

  private:
    class Sweep;

    void CheckBox1Click();
    // Runs one section's sweep; false when the search was stopped by unticking the box.
    bool RunSweep(CrcSweep sweep, std::int32_t firstInit);

    PlatformServices& services_;
    ChecksumPanel& checksums_;
    ResultsPane& results_;
    std::chrono::milliseconds eventInterval_{5};
};

} // namespace kelvo
