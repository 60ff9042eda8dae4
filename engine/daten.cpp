#include "daten.h"

#include "air_completion.h"
#include "math_error.h"

#include <utility>

namespace velmarsund {

namespace {

// Completes one inlet; an arithmetic failure leaves Status at 100 and keeps what was written.
void CompleteInlet(TDaten& record, AirStreamState& inlet)
{
    record.Status = 100;
    try {
        CompleteAirState(record.HumidityKind, inlet, record.AirPressure);
        CompleteAirFlow(record.VolumeKind, inlet, record.AirPressure);
        record.Status = 0;
    } catch (const MathError&) {
    }
}

} // namespace

void TDatenI::CompleteStream1() { CompleteInlet(*this, State11); }

void TDatenI::Update() { CompleteStream1(); }

void TDatenI::Calculate() { CompleteStream1(); }

void TDatenII::CompleteBothStreams()
{
    CompleteStream1();
    if (Status > 0) return; // stream 2 keeps the values of the previous run
    CompleteInlet(*this, State21);
}

void TDatenII::Update() { CompleteBothStreams(); }

void TDatenII::Calculate() { CompleteBothStreams(); }

void TDatenII::SwapInlets() { std::swap(State11, State21); }

void TDatenII::SwapAll()
{
    SwapInlets();
    std::swap(State12, State22);
    std::swap(DeltaP1, DeltaP2);
    std::swap(DeltaP1Std, DeltaP2Std);
    std::swap(FaceVelocity1, FaceVelocity2);
    std::swap(ChannelVelocity1, ChannelVelocity2);
}

} // namespace velmarsund
