#pragma once
// Factors between the units of the building's transmittance and of the energies the
// calculations work in: the transmittance is typed in W/K, the feasibility sizing
// works in MJ and the detailed calculation in kJ.
namespace unita {

// W (J/s) to MJ per hour: 3600 s / 1 000 000.
inline constexpr double megajouleOraPerWatt = 0.0036;
// W (J/s) to kJ per hour: 3600 s / 1000.
inline constexpr double kilojouleOraPerWatt = 3.6;
// MJ in one kWh.
inline constexpr double megajoulePerKwh = 3.6;

} // namespace unita
