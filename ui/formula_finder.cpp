#include "ui/formula_finder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <optional>

#include "core/errors.h"
#include "core/number_text.h"
#include "ui/checksum_panel.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/results_pane.h"

namespace kelvo {
namespace {

// Polynomials solved between two looks at the clock while the first checksum's matches are
// being worked out.
constexpr std::uint32_t kPolysPerSlice = 2048;

// What a box holds in the literal sweep: the hex text of the value it last wrote, or whatever
// the user typed into it since. Kept as a number so the sweep formats it only when shown.
class BoxText {
  public:
    explicit BoxText(std::string typed) : typed_(std::move(typed)) {}
    void SetValue(std::uint32_t value) {
        value_ = value;
        typed_.reset();
    }
    void SetTyped(std::string text) { typed_ = std::move(text); }
    [[nodiscard]] std::string Text(int digits) const {
        return typed_ ? *typed_ : FormatHex(static_cast<std::int32_t>(value_), digits);
    }

  private:
    std::uint32_t value_ = 0;
    std::optional<std::string> typed_;
};

// Checkpoints passed between two looks at the clock.
constexpr int kCheckpointsPerClockRead = 32;

struct SweepInputs {
    std::string sample1;
    std::string sample2;
    std::string sum1;
    std::string sum2;
    bool operator==(const SweepInputs&) const = default;
};

} // namespace

// One section of the search. It gives the same lines, box texts and failures as trying every
// candidate in turn, writing it into the boxes and handing the window its events at every point
// named above, but solves for the matching init values instead of trying them, writes the boxes
// only when the window may look at them and hands over events once the interval has passed.
class FormulaFinder::Sweep {
  public:
    Sweep(FormulaFinder& finder, CrcSweep kind)
        : finder_(finder), kind_(kind), digits_(SweepDigits(kind)),
          initBox_(kind == CrcSweep::Crc16 ? finder.checksums_.AdvEdit_InitCRC16
                                           : finder.checksums_.AdvEdit_InitCRC8),
          polyBox_(kind == CrcSweep::Crc16 ? finder.checksums_.AdvEdit_PolyCrc16
                                           : finder.checksums_.AdvEdit_PolyCrc8),
          initText_(initBox_->Bytes()), polyText_(polyBox_->Bytes()), inputs_(ReadInputs()),
          lastEvents_(std::chrono::steady_clock::now()) {}

    bool Run(std::uint32_t firstInit) {
        const std::uint32_t last = SweepLast(kind_);
        for (std::uint32_t init = firstInit; init <= last; ++init) {
            initText_.SetValue(init);
            if (kind_ == CrcSweep::Crc16) {
                // Events once per init value, then every polynomial.
                if (!Checkpoint() || !EnsureMatches(init))
                    return false;
                for (std::uint16_t poly : Candidates(init, 0))
                    TryCandidate(init, poly);
                polyText_.SetValue(last);
                continue;
            }
            for (std::uint32_t poly = 0; poly <= last; ++poly) {
                // Events before every candidate.
                if (!Checkpoint() || !EnsureMatches(init))
                    return false;
                const auto candidates = Candidates(init, poly);
                if (!candidates.empty() && candidates.front() == poly)
                    TryCandidate(init, poly);
                polyText_.SetValue(poly);
            }
        }
        ShowCandidate();
        return true;
    }

  private:
    [[nodiscard]] std::string Hex(std::uint32_t value) const {
        return FormatHex(static_cast<std::int32_t>(value), digits_);
    }

    [[nodiscard]] SweepInputs ReadInputs() const {
        return {finder_.AdvEdit20->Bytes(), finder_.AdvEdit19->Bytes(),
                finder_.AdvEdit_SUM_1->Bytes(), finder_.AdvEdit_SUM_2->Bytes()};
    }

    void ShowCandidate() {
        initBox_->Assign(initText_.Text(digits_));
        polyBox_->Assign(polyText_.Text(digits_));
    }

    // A point where the window gets its events. False when the search is to stop: the box was
    // unticked (perhaps by a second search run meanwhile, whose boxes then stay as they are).
    // The clock is read every few quick checkpoints, and at every one after slow work.
    bool Checkpoint(bool afterSlowWork = false) {
        const bool everyPoint = finder_.eventInterval_.count() == 0;
        if (!everyPoint && !afterSlowWork && --untilClockRead_ > 0)
            return true;
        untilClockRead_ = kCheckpointsPerClockRead;
        if (!everyPoint && std::chrono::steady_clock::now() - lastEvents_ < finder_.eventInterval_)
            return true;
        ShowCandidate();
        const QPointer<FormulaFinder> alive(&finder_);
        QCoreApplication::processEvents();
        if (!alive || !finder_.CheckBox1->isChecked())
            return false;
        lastEvents_ = std::chrono::steady_clock::now();
        // Matches print the init box's text, which the user may have edited meanwhile.
        initText_.SetTyped(initBox_->Bytes());
        polyText_.SetTyped(polyBox_->Bytes());
        SweepInputs inputs = ReadInputs();
        if (inputs != inputs_) {
            inputs_ = std::move(inputs);
            matches_.reset();
        }
        return true;
    }

    // Works out the candidates that reproduce the first checksum, from this init value on.
    bool EnsureMatches(std::uint32_t init) {
        while (!matches_) {
            sample1_ = ReadFedSample(inputs_.sample1, kind_);
            sample2_ = ReadFedSample(inputs_.sample2, kind_);
            // A first sample that cannot be read fails at the next candidate; nothing to solve.
            const auto target =
                sample1_.badPair ? std::nullopt : ChecksumValue(inputs_.sum1, digits_);
            matches_.emplace(kind_, sample1_.bytes, target, init);
            while (matches_ && !matches_->Advance(kPolysPerSlice)) {
                if (!Checkpoint(true))
                    return false;
            }
        }
        return true;
    }

    // The first checksum's matches of one init value, from a polynomial on.
    [[nodiscard]] std::span<const std::uint16_t> Candidates(std::uint32_t init,
                                                            std::uint32_t fromPoly) {
        if (sample1_.badPair) {
            // Every candidate reads the first sample, so the next one fails on it.
            polyText_.SetValue(fromPoly);
            Fail(*sample1_.badPair);
        }
        const auto polys = matches_->PolysFor(init);
        return {std::lower_bound(polys.begin(), polys.end(), fromPoly), polys.end()};
    }

    // The first checksum matches: the second sample decides.
    void TryCandidate(std::uint32_t init, std::uint32_t poly) {
        polyText_.SetValue(poly);
        if (sample2_.badPair)
            Fail(*sample2_.badPair);
        const std::uint32_t crc = CandidateCrc(kind_, init, poly, sample2_.bytes);
        if (Hex(crc) != inputs_.sum2)
            return;
        ResultsPane& results = finder_.results_;
        results.AddLine("");
        results.SetText(results.GetText() + "Init: " + initText_.Text(digits_) +
                        ", Polynom: " + Hex(poly));
    }

    // The byte reader's conversion error, with the candidate it failed on in the boxes.
    [[noreturn]] void Fail(const std::string& pairText) {
        ShowCandidate();
        throw ConversionError("'" + pairText + "' is not a valid integer value");
    }

    FormulaFinder& finder_;
    const CrcSweep kind_;
    const int digits_;
    EditBox* initBox_;
    EditBox* polyBox_;
    BoxText initText_;
    BoxText polyText_;
    SweepInputs inputs_;
    FedSample sample1_;
    FedSample sample2_;
    std::optional<FirstChecksumMatches> matches_;
    std::chrono::steady_clock::time_point lastEvents_;
    int untilClockRead_ = kCheckpointsPerClockRead;
};

FormulaFinder::FormulaFinder(QWidget* parent, PlatformServices& services, ChecksumPanel& checksums,
                             ResultsPane& results)
    : Panel(parent, "sPanel9", {728, 8, 185, 65}), services_(services), checksums_(checksums),
      results_(results) {
    CheckBox1 = new QCheckBox(QStringLiteral("Find the sum formula"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 2, 137, 17);
    AddLabel(this, "sLabel40", QStringLiteral("S1"), {6, 22});
    AdvEdit20 = AddEditBox(this, "AdvEdit20", {24, 19, 89, 20}, "C10601000169");
    AdvEdit20->setToolTip(QStringLiteral("Sample 1"));
    AdvEdit_SUM_1 = AddEditBox(this, "AdvEdit_SUM_1", {117, 19, 57, 20}, "14CB");
    AdvEdit_SUM_1->setToolTip(QStringLiteral("Check Sum 1"));
    AddLabel(this, "sLabel39", QStringLiteral("S2"), {6, 45});
    AdvEdit19 = AddEditBox(this, "AdvEdit19", {24, 40, 89, 20}, "C1060100020101");
    AdvEdit19->setToolTip(QStringLiteral("Sample 2"));
    AdvEdit_SUM_2 = AddEditBox(this, "AdvEdit_SUM_2", {117, 40, 57, 20}, "1603");
    AdvEdit_SUM_2->setToolTip(QStringLiteral("Check Sum 2"));
    for (EditBox* sum : {AdvEdit_SUM_1, AdvEdit_SUM_2}) {
        sum->SetLengthLimit(4);
        sum->setAlignment(Qt::AlignCenter);
    }
    setTabOrder(AdvEdit19, AdvEdit20);
    setTabOrder(AdvEdit20, AdvEdit_SUM_1);
    setTabOrder(AdvEdit_SUM_1, CheckBox1);
    setTabOrder(CheckBox1, AdvEdit_SUM_2);

    ConnectGuarded(CheckBox1, &QCheckBox::clicked, this, services_, [this] { CheckBox1Click(); });
}

bool FormulaFinder::RunSweep(CrcSweep sweep, std::int32_t firstInit) {
    // The init boxes hold at most their digit count, so the start is never negative.
    return Sweep(*this, sweep).Run(static_cast<std::uint32_t>(std::max(firstInit, 0)));
}

void FormulaFinder::CheckBox1Click() {
    if (!CheckBox1->isChecked())
        return;
    const auto bothChecksumsHave = [this](std::size_t digits) {
        return AdvEdit_SUM_1->Bytes().size() == digits && AdvEdit_SUM_2->Bytes().size() == digits;
    };
    if (bothChecksumsHave(2)) {
        results_.SetText("Found CRC-8:");
        const std::int32_t first = ParseInteger("$" + checksums_.AdvEdit_InitCRC8->Bytes());
        if (first <= 0xFF && !RunSweep(CrcSweep::Crc8, first))
            return;
        results_.AddLine("Found rotated CRC-8:");
        if (!RunSweep(CrcSweep::RotatedCrc8, 0))
            return;
    }
    if (bothChecksumsHave(4)) {
        results_.SetText("Found CRC-16:");
        const std::int32_t first = ParseInteger("$" + checksums_.AdvEdit_InitCRC16->Bytes());
        if (first <= 0xFFFF && !RunSweep(CrcSweep::Crc16, first))
            return;
    }
    // Unticking by the program runs this handler again, which returns at once.
    CheckBox1->setChecked(false);
    results_.AddLine("Finish!");
}

} // namespace kelvo
