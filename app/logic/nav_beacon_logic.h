#pragma once
// The display-free half of "Edit Navigation Beacon": the first beacon of a base, or a
// proposal for a base without one (identifier from the base name, a random frequency
// between 108.05 and 138.95 MHz), and its OK, which writes identifier and frequency back
// into the document in memory.
#include "document/nav_beacon.h"
#include "foundation/field_exchange.h"

#include <functional>
#include <optional>
#include <string>

namespace pf {

class BaseDocument;

class NavBeaconLogic {
  public:
    enum ControlId { kFrequency = 1124, kIdentifier = 1156, kPosition = 1173 };
    static constexpr double kLowestFrequency = 108.0;
    static constexpr double kHighestFrequency = 139.0;
    static constexpr const char* kTooLongMessage = "ID name can't be over 4 characters long";
    static constexpr const char* kCharacterSetMessage =
        "ID name can only use characters of the Windows-1252 character set";

    // Integers 0..32767, as the C library's rand gives them.
    using RandomSource = std::function<int()>;
    // A source seeded from the tick count now.
    static RandomSource SeededRandomSource();

    // The document is not owned. Without a source, each proposal seeds its own.
    explicit NavBeaconLogic(BaseDocument* document, RandomSource random = {});

    // The first beacon, or the proposal; the frequency to show, at the nearest 0.05.
    void OnInitDialog();
    const NavBeacon& GetBeacon() const { return beacon_; }
    // "Position: <lon> longitude, <lat> latitude", four decimals at most.
    std::string GetPositionText() const;
    // Identifier and frequency as the edits show them.
    ControlTexts ShowFields();
    void DoDataExchange(FieldExchange& dx);

    // Reads the edits. True when the dialog ends with OK and the document took the
    // beacon. Otherwise the dialog stays open: a refused frequency comes back in
    // refusal, a refused identifier has shown its box.
    bool OnBnClickedOk(const ControlTexts& texts, std::optional<FieldRefusal>& refusal);

  private:
    void Propose();

    BaseDocument* document_;
    RandomSource random_;
    NavBeacon beacon_;
    double frequency_ = 0.0;
};

// The frequency at the nearest multiple of 0.05 MHz.
double RoundFrequency(double frequency);

} // namespace pf
