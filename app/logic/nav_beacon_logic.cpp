#include "app/logic/nav_beacon_logic.h"

#include "document/base_document.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "platform/clock.h"

#include <cmath>
#include <random>

namespace pf {

namespace {

constexpr size_t kMaxIdentifier = 4;

} // namespace

double RoundFrequency(double frequency) { return std::trunc(frequency * 20.0 + 0.5) / 20.0; }

NavBeaconLogic::RandomSource NavBeaconLogic::SeededRandomSource() {
    std::minstd_rand engine(clock::TickCountMs());
    return [engine]() mutable { return static_cast<int>(engine() % 32768u); };
}

NavBeaconLogic::NavBeaconLogic(BaseDocument* document, RandomSource random)
    : document_(document), random_(std::move(random)) {}

void NavBeaconLogic::OnInitDialog() {
    if (document_ == nullptr) {
        return;
    }
    if (document_->GetBeacons().empty()) {
        Propose();
    } else {
        beacon_ = document_->GetBeacons().front();
    }
    frequency_ = RoundFrequency(beacon_.frequency.value);
}

void NavBeaconLogic::Propose() {
    const LatLon& position = document_->GetPosition();
    beacon_.longitude.Set(static_cast<float>(position.GetLongitude()));
    beacon_.latitude.Set(static_cast<float>(position.GetLatitude()));
    RandomSource random = random_ ? random_ : SeededRandomSource();
    std::string identifier;
    for (char c : document_->GetName()) {
        if (c != ' ' && c != '_') {
            identifier += c;
        }
    }
    if (identifier.size() > kMaxIdentifier) {
        identifier.resize(kMaxIdentifier);
    }
    if (identifier.empty()) {
        const int a = random() % 10;
        const int b = random() % 10;
        const int c = random() % 10;
        const int d = random() % 10;
        identifier = FormatString("%d%d%d%d", a, b, c, d);
    }
    beacon_.identifier = UpperCaseCp1252(identifier);
    const int r = random();
    beacon_.frequency.Set(static_cast<float>(((r % 310) * 10 + 5) / 100.0 + 108.0));
}

std::string NavBeaconLogic::GetPositionText() const {
    return FormatString("Position: %s longitude, %s latitude",
                        FormatNumber(beacon_.longitude.value, 4).c_str(),
                        FormatNumber(beacon_.latitude.value, 4).c_str());
}

ControlTexts NavBeaconLogic::ShowFields() {
    ControlTexts texts;
    texts.Set(kIdentifier, beacon_.identifier);
    FieldExchange dx = FieldExchange::Show(texts);
    DoDataExchange(dx);
    return texts;
}

void NavBeaconLogic::DoDataExchange(FieldExchange& dx) {
    dx.Double(kFrequency, frequency_, kLowestFrequency, kHighestFrequency);
}

bool NavBeaconLogic::OnBnClickedOk(const ControlTexts& texts,
                                   std::optional<FieldRefusal>& refusal) {
    refusal = ReadFieldTexts(texts, [this](FieldExchange& dx) { DoDataExchange(dx); });
    if (refusal) {
        return false;
    }
    const std::string& text = texts.Get(kIdentifier);
    if (text.size() > kMaxIdentifier) {
        ShowMessageBox(kTooLongMessage, "Error", MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    if (texts.unconvertible.count(kIdentifier) != 0) {
        ShowMessageBox(kCharacterSetMessage, "Error", MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    beacon_.identifier = UpperCaseCp1252(text);
    beacon_.frequency.Set(static_cast<float>(RoundFrequency(frequency_)));
    if (document_ == nullptr) {
        return true;
    }
    NavBeaconArray& beacons = document_->GetBeacons();
    if (beacons.empty()) {
        beacons.Add(beacon_);
    } else {
        beacons.front().identifier = beacon_.identifier;
        beacons.front().frequency = beacon_.frequency;
    }
    return true;
}

} // namespace pf
