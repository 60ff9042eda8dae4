#include "matrix_geometry.h"

#include "daten_rwt.h"
#include "math_error.h"
#include "moist_air.h"
#include "rotor_data.h"

#include <cmath>
#include <numbers>

namespace velmarsund {

using checked::Div;
using checked::Finite;
using checked::Pow;
using std::numbers::pi;

MatrixGeometry ComputeMatrixGeometry(const TDatenREG& r)
{
    const double s = r.ProfilePitch;
    const double h = r.ProfileHeight;
    const double delta = r.FoilThickness; // mm here
    const double D = r.Diameter;
    MatrixGeometry g;
    g.Depth = r.WheelDepth / 1000.0;
    g.WaveLength = Finite(1.03 * 2 * checked::Sqrt(Pow(s / 2, 2) + Pow(h, 2)));
    g.HydraulicDiameter = Finite(Div(4 * (h * s / 2), s + g.WaveLength) / 1000);
    g.Layers = Div(D / 2, h);
    g.FlatLength = Finite((D / 1000 / 4) * g.Layers * 2 * pi);
    g.WavedLength = Div(g.FlatLength * g.WaveLength, s);
    g.FaceArea = Finite(pi * Pow(D / 2000, 2));
    g.OpenArea = Finite(g.FaceArea - (g.FlatLength + g.WavedLength) * delta / 1000);
    g.NetFaceArea = 0.93 * g.FaceArea;
    g.NetOpenArea = 0.93 * g.OpenArea;
    g.TransferArea = Finite(Div(g.NetFaceArea - g.NetOpenArea, delta / 1000) * g.Depth * 2 * 0.95);
    g.MatrixMass = Finite((g.NetFaceArea - g.NetOpenArea) * g.Depth * 2700);
    return g;
}

namespace {

// u^2 * (43/Re * L/dh + 1.2) * rho/2 with u = flow/(Ao'/2)/3600 and Re = u*dh/nu.
double PressureDrop(double flow, double nu, double rho, const MatrixGeometry& g)
{
    const double u = Finite(Div(flow, g.NetOpenArea / 2) / 3600);
    const double Re = Div(u * g.HydraulicDiameter, nu);
    return Finite(Pow(u, 2) * (Div(Div(43, Re) * g.Depth, g.HydraulicDiameter) + 1.2) * rho / 2);
}

double FaceVelocity(const AirStreamState& in, const MatrixGeometry& g)
{
    return Finite(Div(in.AVol, g.FaceArea / 2) / 3600);
}

// Corrected to the mean of both inlet temperatures.
double ChannelVelocity(const AirStreamState& in, double tOther, const MatrixGeometry& g)
{
    return Finite(Div(in.AVol * (1 + (tOther - in.Temp) * 0.5 / 273.15), g.NetOpenArea / 2) / 3600);
}

} // namespace

void ComputeVelocitiesAndPressureDrops(TDatenREG& r, const MatrixGeometry& g)
{
    double factor = 1;
    if (r.MatrixType == MatrixE) factor = 1.05;
    if (r.MatrixType == MatrixN) factor = 1.1;

    // Quantity by quantity, stream 1 before stream 2: a failing stream 2 leaves the quantities
    // after it unwritten for both streams.
    r.FaceVelocity1 = FaceVelocity(r.State11, g);
    r.FaceVelocity2 = FaceVelocity(r.State21, g);
    r.ChannelVelocity1 = ChannelVelocity(r.State11, r.State21.Temp, g);
    r.ChannelVelocity2 = ChannelVelocity(r.State21, r.State11.Temp, g);
    r.DeltaP1 = PressureDrop(r.State11.AVol, KinViscosity(r.State11.Temp), r.State11.Density, g);
    r.DeltaP2 = PressureDrop(r.State21.AVol, KinViscosity(r.State21.Temp), r.State21.Density, g);
    r.DeltaP1Std = PressureDrop(r.State11.SVol, KinViscosity(20), 1.2, g);
    r.DeltaP2Std = PressureDrop(r.State21.SVol, KinViscosity(20), 1.2, g);
    if (factor != 1) {
        r.DeltaP1 *= factor;
        r.DeltaP1Std *= factor;
        r.DeltaP2 *= factor;
        r.DeltaP2Std *= factor;
    }
}

} // namespace velmarsund
