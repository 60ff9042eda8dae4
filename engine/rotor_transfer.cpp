// The rotor calculation of TDatenRWT: heat and moisture transfer of a regenerative wheel.

#include "air_completion.h"
#include "daten_rwt.h"
#include "math_error.h"
#include "matrix_geometry.h"
#include "moist_air.h"
#include "moisture_factor.h"
#include "rotor_data.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmarsund {

using checked::Div;
using checked::Finite;
using checked::Pow;

namespace {

// Efficiency of a counterflow exchanger for a capacity ratio R and a number of transfer units.
double CounterflowEff(double R, double NTU)
{
    if (std::fabs(R - 1) < 1e-4) R = 0.9999;
    const double e = checked::Exp(-NTU * (1 - R));
    return Div(1 - e, 1 - R * e);
}

} // namespace

void TDatenREG::SwapAll()
{
    TDatenII::SwapAll();
    std::swap(SensibleHeat1, SensibleHeat2);
    std::swap(LatentHeat1, LatentHeat2);
    std::swap(WaterTransfer1, WaterTransfer2);
    std::swap(TempEff1, TempEff2);
    std::swap(HumEff1, HumEff2);
    std::swap(AhriSensible1, AhriSensible2);
    std::swap(AhriLatent1, AhriLatent2);
    std::swap(AhriTotal1, AhriTotal2);
    std::swap(TotalHeat1, TotalHeat2);
    std::swap(Condensate1, Condensate2);
}

void TDatenRWT::Calculate()
{
    TDatenII::Calculate();
    Status = 100; // whatever the completion gave: the status now reflects the rotor calculation
    try {
        RotorCalculation();
        Status = 0;
    } catch (const MathError&) {
    }
}

void TDatenRWT::Update()
{
    TDatenII::Update();
    Calculate();
}

void TDatenRWT::RotorCalculation()
{
    // Stream 1 is the colder stream during the calculation.
    const bool swapped = State21.Temp < State11.Temp;
    if (swapped) SwapInlets();
    try {
        TransferHeatAndMoisture();
    } catch (const MathError&) {
        // A failed record never keeps supply and exhaust on the wrong sides.
        if (swapped) SwapAll();
        throw;
    }
    if (swapped) SwapAll();
}

void TDatenRWT::TransferHeatAndMoisture()
{
    const double p = AirPressure;
    const double n = Speed;
    const double t11 = State11.Temp, x11 = State11.X, h11 = State11.Enthalpy;
    const double t21 = State21.Temp, x21 = State21.X, h21 = State21.Enthalpy;
    const double md1 = State11.DryMassFlow, mv1 = State11.VapourMassFlow, m1 = State11.MassFlow;
    const double md2 = State21.DryMassFlow, mv2 = State21.VapourMassFlow, m2 = State21.MassFlow;

    const MatrixGeometry g = ComputeMatrixGeometry(*this);
    const double L = g.Depth;
    const double dh = g.HydraulicDiameter;
    const double delta = FoilThickness / 1000; // m
    const double A = g.TransferArea;

    // Each stream meets the matrix during half a revolution.
    const double tau1 = Finite(Div(60, n) / 2);
    const double tau2 = tau1;

    ComputeVelocitiesAndPressureDrops(*this, g);

    // Heat-capacity rates (W/K) and the matrix capacity (J/K).
    const double C1 = Finite(CpMoistAir(md1, mv1) * m1 / 3.6);
    const double C2 = Finite(CpMoistAir(md2, mv2) * m2 / 3.6);
    const double Ct = Finite((C1 * tau1 + C2 * tau2) / 2);
    const double R = Div(C1 * tau1, C2 * tau2);
    const double Cm = Finite(920 * g.MatrixMass);

    // Laminar channel flow at the mean inlet temperature.
    const double tm = (t11 + t21) / 2;
    const double nu = KinViscosity(tm);
    const double Pr = PrandtlNumber(tm);
    const double lambda = ThermalConductivity(tm);
    const auto alphaOf = [&](double velocity) {
        const double Re = Div(velocity * dh, nu);
        const double Nu = Finite(1.3 * Pow(Div(4.17 * Re * Pr * dh, L) + 49, 1.0 / 3));
        return Div(Nu * lambda, dh);
    };
    const double alpha1 = alphaOf(ChannelVelocity1);
    const double alpha2 = alphaOf(ChannelVelocity2);

    // Mean transfer coefficient of the regenerator, corrected for the period.
    double k = Div(1, (tau1 + tau2) * (Div(1, alpha1 * tau1) + Div(1, alpha2 * tau2) +
                                        (Div(1, tau1) + Div(1, tau2)) * delta / (220 * 6)));
    if (n > 10) k = Finite(k * (n / 250 + 0.96));
    const double E = Div(6 * k * (tau1 + tau2) * A, Ct);
    const double F = Finite(Div(Ct, Cm) * E);
    const double G = Div(0.1 * Pow(F, 1.5), E / 1.5 + 1);
    const double kc = Finite((1 - 0.95 * checked::Tanh(G)) * k);

    // Temperature efficiency.
    const double NTU = Div(kc * A, C1);
    TempEff1 = Finite(100 * CounterflowEff(R, NTU));
    const double wm = (FaceVelocity1 + FaceVelocity2) / 2;
    const double W = wm < 3 ? wm : 3;
    TempEff1 = Finite(Pow(W, 0.0379) * TempEff1 * 0.9 * 0.9824);
    const double dt = std::fabs(t21 - t11);
    if (dt <= 14) {
        double f = 0.0025 * dt + 0.965;
        if (f >= 1) f = 1;
        if (f <= 0.99) f = 0.99;
        TempEff1 = f * TempEff1;
    }
    const double mmin = std::min(md1, md2);
    if (Div(md1, mmin) * TempEff1 > 99) TempEff1 = Div(99, Div(md1, mmin));
    TempEff2 = Finite(R * TempEff1);
    double t12 = Finite(t11 + (t21 - t11) * TempEff1 / 100);
    double t22 = Finite(t21 + (t11 - t21) * TempEff2 / 100);

    // Saturation limits of the outlets (95 %).
    const double x12max = t12 >= 100 ? Finite(Div(mv2, md1) * 1000 + x11) : XFromPhi(t12, 95, p);
    const double x22max = t22 >= 100 ? Finite(Div(mv1, md2) * 1000 + x21) : XFromPhi(t22, 95, p);

    // Humidity efficiency from the moisture factor of the matrix.
    const double D = t11 == t21 ? 0.0 : Div(DewPointOf(x21, p) - t11, t21 - t11);
    const double dT = DewPointOf(std::max(x11, x21), p) - (t11 + t12 + t21 + t22) / 4;
    const double v = std::max(FaceVelocity1, FaceVelocity2);
    const double Fm = MoistureFactor(MatrixType, ProfileHeight, v, n, D, dT);
    double a;
    if (t11 == t21)
        a = 1;
    else if (x11 < x21)
        a = std::fabs(Div(x12max - x11, x21 - x11));
    else if (x11 > x21)
        a = 1;
    else
        a = 0;
    const double f1 = std::min(1.0, Finite(0.95 * md2 / md1));
    HumEff1 = 100 * std::min(f1, std::min(a, Fm * TempEff1 / 100));
    HumEff2 = Div(HumEff1 * md1, md2);
    double x12 = Finite(x11 + (x21 - x11) * HumEff1 / 100);
    double x22 = Finite(x21 + (x11 - x21) * HumEff2 / 100);

    // Condensate on the exhaust side, g/kg.
    double c = std::max(0.0, x22 - x22max);
    if (t11 == t21) c = 0;
    Condensate1 = 0;
    if (c > 0) {
        // The exhaust outlet follows from the enthalpy balance, at 95 % on its enthalpy line.
        const double h12 = EnthalpyOf(t12, x12, p);
        const double h22 = Finite(h21 - Div((h12 - h11) * md1, md2));
        t22 = TempOnEnthalpyLine(h22 / 1.007, 0, p, 95);
        x22 = XFromPhi(t22, 95, p);
        c = std::max(0.0, Finite(x21 + (x11 - x21) * HumEff2 / 100 - x22));
        TempEff2 = Div((t22 - t21) * 100, t11 - t21);
        HumEff2 = Div((x22 - x21) * 100, x11 - x21);
    }

    // Water and heat flows.
    WaterTransfer1 = Finite((x12 - x11) / 1000 * md1);
    WaterTransfer2 = Finite((x22 - x21) / 1000 * md2);
    TotalHeat1 = Finite((EnthalpyOf(t12, x12, p) - EnthalpyOf(t11, x11, p)) * md1 / 3600);
    LatentHeat1 = Finite(WaterTransfer1 * 2501 / 3600);
    SensibleHeat1 = TotalHeat1 - LatentHeat1;
    TotalHeat2 = Finite((EnthalpyOf(t22, x22, p) - EnthalpyOf(t21, x21, p)) * md2 / 3600);
    LatentHeat2 = Finite(WaterTransfer2 * 2501 / 3600);
    SensibleHeat2 = TotalHeat2 - LatentHeat2;

    // Outlet states.
    State12.Temp = t12;
    State12.X = x12;
    State12.DryMassFlow = md1;
    State22.Temp = t22;
    State22.X = x22;
    State22.DryMassFlow = md2;
    Condensate2 = Finite(c / 1000 * md2);
    CompleteAirState(AbsoluteHumidity, State12, p);
    CompleteAirState(AbsoluteHumidity, State22, p);
    CompleteAirFlow(DryMassFlowGiven, State12, p);
    CompleteAirFlow(DryMassFlowGiven, State22, p);

    FrostRisk = (t11 <= -15 && State21.Humidity >= 60) || (t11 <= -20 && State21.Humidity >= 40);

    // Effectiveness per ASHRAE 84 / AHRI 1060.
    AhriSensible1 = Finite(Div(md1, mmin) * TempEff1);
    AhriLatent1 = Finite(Div(md1, mmin) * HumEff1);
    AhriSensible2 = Finite(Div(md2, mmin) * TempEff2);
    AhriLatent2 = Finite(Div(md2, mmin) * HumEff2);
    if (h11 != h21) {
        const double h12 = State12.Enthalpy;
        const double h22 = State22.Enthalpy;
        AhriTotal1 = Div(Div((h12 - h11) * 100, h21 - h11) * md1, mmin);
        AhriTotal2 = Div(Div((h21 - h22) * 100, h21 - h11) * md2, mmin);
    }
}

} // namespace velmarsund
