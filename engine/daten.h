#pragma once
// The calculation records: TDaten (status, input kinds, air pressure) > TDatenI (stream 1)
// > TDatenII (both streams). Stream 1 is the supply side (11 outside air in, 12 supply air out),
// stream 2 the exhaust side (21 extract air in, 22 exhaust air out).

#include "air_stream_state.h"

#include <cstdint>

namespace velmarsund {

class TDaten {
public:
    // Virtual operations, in slot order.
    virtual void Update() {}
    virtual void Calculate() {}
    virtual void SwapInlets() {}
    virtual void SwapAll() {}

    virtual ~TDaten() = default;

    std::int32_t Status = 0;        // 100 during a run and after a failed one, 0 after success
    std::uint8_t HumidityKind = 0;  // HumidityInputKind
    std::uint8_t VolumeKind = 0;    // AirVolumeInputKind
    double AirPressure = 0;         // mbar
};

class TDatenI : public TDaten {
public:
    void Update() override;
    void Calculate() override;

    AirStreamState State11;
    AirStreamState State12;
    double DeltaP1 = 0;          // Pa at actual density
    double DeltaP1Std = 0;       // Pa at standard density
    double FaceVelocity1 = 0;    // m/s
    double ChannelVelocity1 = 0; // m/s
    bool FrostRisk = false;

protected:
    void CompleteStream1();
};

class TDatenII : public TDatenI {
public:
    void Update() override;
    void Calculate() override;
    void SwapInlets() override;
    void SwapAll() override;

    AirStreamState State21;
    AirStreamState State22;
    double DeltaP2 = 0;
    double DeltaP2Std = 0;
    double FaceVelocity2 = 0;
    double ChannelVelocity2 = 0;

protected:
    void CompleteBothStreams();
};

} // namespace velmarsund
