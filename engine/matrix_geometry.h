#pragma once
// Geometry of the foil matrix, velocities and pressure drops of a rotor record.

namespace velmarsund {

class TDatenREG;

struct MatrixGeometry {
    double WaveLength = 0;       // lc, length of the waved foil per pitch, mm
    double HydraulicDiameter = 0; // dh, m
    double Layers = 0;           // foil layers over the radius
    double FlatLength = 0;       // Lf, m
    double WavedLength = 0;      // Lc, m
    double FaceArea = 0;         // Af, m2
    double OpenArea = 0;         // Ao, m2
    double NetFaceArea = 0;      // Af' (hub and spokes off), m2
    double NetOpenArea = 0;      // Ao', m2
    double TransferArea = 0;     // A, both sides of all foil, m2
    double MatrixMass = 0;       // M, aluminium, kg
    double Depth = 0;            // L, m
};

MatrixGeometry ComputeMatrixGeometry(const TDatenREG& r);

// Face and channel velocities and the four pressure drops of both streams (inlets State11, State21).
void ComputeVelocitiesAndPressureDrops(TDatenREG& r, const MatrixGeometry& g);

} // namespace velmarsund
