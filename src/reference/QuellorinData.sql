-- The reference data of Quellorin: built into QuellorinData.mdb by makedb.
-- Text is plain ASCII; temperatures are written 'deg C'.

-- Physical constants, SI units unless the name gives another unit.
-- Source: CODATA 2022 recommended values (NIST, physics.nist.gov/constants). Exact by the
-- definition of the SI: speed of light, Planck constant, elementary charge, Boltzmann and Avogadro
-- constants. Exact because they follow from those: reduced Planck constant, molar gas constant,
-- Faraday constant, Stefan-Boltzmann constant, Wien displacement constant, molar volume Vm of an
-- ideal gas (273.15 K, 101.325 kPa; named with its pressure, since at the standard pressure of
-- 100 kPa it is 0.022711 m3/mol) and the electron volt; these are written to double precision
-- where the exact value has more digits. Exact by convention: standard acceleration of gravity
-- (9.80665 m/s2) and standard atmosphere (101325 Pa). The Coulomb constant is 1/(4 pi eps0) from the CODATA vacuum
-- permittivity. All others are measured values, given to the digits CODATA publishes.
-- Astronomical values (not CODATA), after the physical constants: astronomical unit (exact, IAU
-- 2012 Resolution B2); light year (exact: Julian year of 365.25 days times c, IAU); solar radius
-- (IAU 2015 nominal value); solar mass (IAU 2015 nominal solar GM divided by G); masses and mean
-- radii of the Earth and the Moon and the mean Earth-Moon distance: NASA planetary fact sheets.
CREATE TABLE Constants (
  ID INTEGER PRIMARY KEY,
  Constant TEXT NOT NULL,
  Value REAL NOT NULL
);
INSERT INTO Constants (Constant, Value) VALUES
  ('Speed of light (m/s)', 299792458),
  ('Grav. constant (N m2/kg2)', 6.67430e-11),
  ('Planck constant (J s)', 6.62607015e-34),
  ('Reduced Planck (J s)', 1.0545718176461565e-34),
  ('Elementary charge (C)', 1.602176634e-19),
  ('Vacuum permittivity (F/m)', 8.8541878188e-12),
  ('Vacuum permeability (H/m)', 1.25663706127e-6),
  ('Coulomb const. (N m2/C2)', 8.9875517862e9),
  ('Electron mass (kg)', 9.1093837139e-31),
  ('Proton mass (kg)', 1.67262192595e-27),
  ('Neutron mass (kg)', 1.67492750056e-27),
  ('Atomic mass unit (kg)', 1.66053906892e-27),
  ('Atomic mass unit (MeV/c2)', 931.49410372),
  ('Electron volt (J)', 1.602176634e-19),
  ('Fine-structure constant', 7.2973525643e-3),
  ('Rydberg constant (1/m)', 10973731.568157),
  ('Bohr radius (m)', 5.29177210544e-11),
  ('Bohr magneton (J/T)', 9.2740100657e-24),
  ('Avogadro constant (1/mol)', 6.02214076e23),
  ('Boltzmann constant (J/K)', 1.380649e-23),
  ('Gas constant (J/(mol K))', 8.31446261815324),
  ('Faraday constant (C/mol)', 96485.33212331001),
  ('Vm, 101.325 kPa (m3/mol)', 0.022413969545014137),
  ('Stefan-Boltzmann (W/m2K4)', 5.6703744191844294e-8),
  ('Wien displacement (m K)', 2.897771955185172e-3),
  ('Standard gravity (m/s2)', 9.80665),
  ('Standard atmosphere (Pa)', 101325),
  ('Astronomical unit (m)', 149597870700),
  ('Light year (m)', 9460730472580800),
  ('Earth mass (kg)', 5.9722e24),
  ('Earth mean radius (m)', 6.371e6),
  ('Moon mass (kg)', 7.346e22),
  ('Moon mean radius (m)', 1.7374e6),
  ('Earth-Moon distance (m)', 3.844e8),
  ('Sun mass (kg)', 1.9884e30),
  ('Sun radius (m)', 6.957e8);

-- Static and kinetic coefficients of friction, dry surfaces unless stated.
-- Sources: Serway and Jewett, Physics for Scientists and Engineers, table of coefficients of
-- friction; brass, zinc and copper on cast iron, copper on glass, PTFE on steel and rubber on
-- wet concrete: Young and Freedman, University Physics, table of coefficients of friction; wood on
-- wood: Giancoli, Physics, table of coefficients of friction. These are the usual textbook values;
-- real surfaces vary by tens of percent with finish, cleanliness and humidity.
CREATE TABLE CoefficientsOfFriction (
  ID INTEGER PRIMARY KEY,
  Materials TEXT NOT NULL,
  StaticCoefficient REAL,
  KineticCoefficient REAL
);
INSERT INTO CoefficientsOfFriction (Materials, StaticCoefficient, KineticCoefficient) VALUES
  ('Steel on steel', 0.74, 0.57),
  ('Aluminum on steel', 0.61, 0.47),
  ('Copper on steel', 0.53, 0.36),
  ('Brass on steel', 0.51, 0.44),
  ('PTFE on steel', 0.04, 0.04),
  ('Zinc on cast iron', 0.85, 0.21),
  ('Copper on cast iron', 1.05, 0.29),
  ('Metal on metal (lubricated)', 0.15, 0.06),
  ('Copper on glass', 0.68, 0.53),
  ('Glass on glass', 0.94, 0.40),
  ('PTFE on PTFE', 0.04, 0.04),
  ('Rubber on concrete (dry)', 1.0, 0.8),
  ('Rubber on concrete (wet)', 0.30, 0.25),
  ('Wood on wood', 0.4, 0.2),
  ('Waxed wood on wet snow', 0.14, 0.1),
  ('Ice on ice', 0.1, 0.03);

-- Indices of refraction at 589 nm (sodium D line): liquids and solids near 20 deg C (ice near
-- 0 deg C), gases at 0 deg C and 1 atm. A vacuum has index 1 exactly. Listed from gases to
-- solids, each group in order of increasing index. The list shows two decimals, so the gases,
-- which read 1.00 like the vacuum, carry their index in their name. For calcite, a doubly
-- refracting crystal, both the ordinary ray (o-ray) and the extraordinary ray (e-ray, its extreme
-- value) are given.
-- Source: Serway and Jewett, Physics for Scientists and Engineers, table of indices of
-- refraction (values from standard chemistry handbooks); acetone, acrylic, polystyrene, calcite
-- and sapphire (ordinary ray): standard chemistry handbooks.
CREATE TABLE IndexOfRefraction (
  ID INTEGER PRIMARY KEY,
  Substance TEXT NOT NULL,
  "Index" REAL NOT NULL
);
INSERT INTO IndexOfRefraction (Substance, "Index") VALUES
  ('Vacuum', 1),
  ('Air (n = 1.000293)', 1.000293),
  ('CO2 (n = 1.00045)', 1.00045),
  ('Water', 1.333),
  ('Acetone', 1.359),
  ('Ethyl alcohol', 1.361),
  ('Carbon tetrachloride', 1.461),
  ('Glycerol', 1.473),
  ('Benzene', 1.501),
  ('Carbon disulfide', 1.628),
  ('Ice', 1.309),
  ('Fluorite', 1.434),
  ('Fused quartz', 1.458),
  ('Calcite (e-ray)', 1.486),
  ('Acrylic (PMMA)', 1.49),
  ('Crown glass', 1.52),
  ('Sodium chloride', 1.544),
  ('Polystyrene', 1.59),
  ('Calcite (o-ray)', 1.658),
  ('Flint glass', 1.66),
  ('Sapphire', 1.768),
  ('Zircon', 1.923),
  ('Diamond', 2.419);

-- Unit conversions: a row 'a to b' means 1 a = Conversion1 b, and 1 b = Conversion2 a.
-- Source: NIST Special Publication 811 (Guide for the Use of the SI), appendix B. Every Conversion1
-- follows exactly from the definitions of the units; where the exact value is not a finite
-- decimal (slug, psi, rad) it is given to double precision. Conversion2 is the inverse of the
-- exact value, to double precision. Definitions used: international inch, foot, yard and mile;
-- international nautical mile (1852 m); astronomical unit (149597870700 m, IAU); light year
-- (Julian year times c); US liquid gallon (231 in3); avoirdupois pound and ounce; Julian year
-- (365.25 days); pound-force (lb times standard gravity); standard atmosphere; bar (100 kPa);
-- conventional millimeter of mercury (13.5951 g/cm3 of mercury, 1 mm high, standard gravity);
-- thermochemical calorie; International Table Btu; mechanical horsepower (550 ft lbf/s).
-- The list shows two decimals, so each row pairs units whose factors both read there, neither as
-- 0.00 nor as 0.01: large and small units are taken with SI prefixes (au to Tm, ly to Pm, yr to
-- Ms, mmHg to kPa, bar to MPa, Btu to kJ, hp to kW, MeV to pJ) or beside a unit of their own
-- size (atm to bar). The SI values of the au, the light year, the atm and the eV are in the
-- constants table. Rows are grouped: length, volume, mass, time and speed, angle, force,
-- pressure, energy, power.
CREATE TABLE UnitConversions (
  ID INTEGER PRIMARY KEY,
  Unit TEXT NOT NULL,
  Conversion1 REAL NOT NULL,
  Conversion2 REAL NOT NULL
);
INSERT INTO UnitConversions (Unit, Conversion1, Conversion2) VALUES
  ('in to cm', 2.54, 0.3937007874015748),
  ('ft to m', 0.3048, 3.2808398950131235),
  ('yd to m', 0.9144, 1.0936132983377078),
  ('mi to km', 1.609344, 0.621371192237334),
  ('nmi to km', 1.852, 0.5399568034557235),
  ('au to Tm', 0.1495978707, 6.684587122268446),
  ('ly to Pm', 9.4607304725808, 0.10570008340246155),
  ('gal to L', 3.785411784, 0.2641720523581484),
  ('ft3 to L', 28.316846592, 0.03531466672148859),
  ('oz to g', 28.349523125, 0.035273961949580414),
  ('lb to kg', 0.45359237, 2.2046226218487757),
  ('slug to kg', 14.593902937206364, 0.06852176585679176),
  ('yr to Ms', 31.5576, 0.03168808781402895),
  ('mi/h to m/s', 0.44704, 2.2369362920544025),
  ('m/s to km/h', 3.6, 0.2777777777777778),
  ('rad to deg', 57.29577951308232, 0.017453292519943295),
  ('lbf to N', 4.4482216152605, 0.22480894309971047),
  ('atm to bar', 1.01325, 0.9869232667160128),
  ('atm to psi', 14.695948775513449, 0.06804596390987773),
  ('bar to MPa', 0.1, 10),
  ('mmHg to kPa', 0.133322387415, 7.500615758456563),
  ('psi to kPa', 6.894757293168361, 0.14503773773020923),
  ('cal to J', 4.184, 0.2390057361376673),
  ('Btu to kJ', 1.05505585262, 0.9478171203133172),
  ('kWh to MJ', 3.6, 0.2777777777777778),
  ('MeV to pJ', 0.1602176634, 6.241509074460763),
  ('hp to kW', 0.74569987158227022, 1.341022089595028);

-- The elements H to Ne, in order of atomic number. Atomic weights: IUPAC standard atomic
-- weights 2021, abridged to five significant figures (the conventional value for H, Li, B, C, N
-- and O, whose weights vary in nature); the whole number nearest to each is the mass number of
-- the element's most common isotope. Densities (solids near 20 deg C; gases at 0 deg C and 1 atm),
-- melting and boiling points at 1 atm: standard chemistry handbooks. Helium does not
-- freeze at 1 atm and carbon (graphite) sublimes at 1 atm without melting. Charge lists the usual
-- oxidation states; GroupName is the element's family.
CREATE TABLE GeneralInfo (
  ID INTEGER PRIMARY KEY,
  Symbol TEXT NOT NULL,
  ElementName TEXT NOT NULL,
  AtomicNumber INTEGER NOT NULL,
  AtomicWeight REAL,
  State TEXT,
  Charge TEXT,
  Configuration TEXT,
  GroupName TEXT,
  Density TEXT,
  FreezingPoint TEXT,
  BoilingPoint TEXT
);
INSERT INTO GeneralInfo (Symbol, ElementName, AtomicNumber, AtomicWeight, State, Charge,
                         Configuration, GroupName, Density, FreezingPoint, BoilingPoint) VALUES
  ('H', 'Hydrogen', 1, 1.008, 'Gas', '+1, -1', '1s1', 'Nonmetal',
   '0.0899 g/L', '-259.16 deg C', '-252.88 deg C'),
  ('He', 'Helium', 2, 4.0026, 'Gas', '0', '1s2', 'Noble gas',
   '0.1786 g/L', 'None at 1 atm (-272.2 deg C at 25 atm)', '-268.93 deg C'),
  ('Li', 'Lithium', 3, 6.94, 'Solid', '+1', '1s2 2s1', 'Alkali metal',
   '0.534 g/cm3', '180.50 deg C', '1342 deg C'),
  ('Be', 'Beryllium', 4, 9.0122, 'Solid', '+2', '1s2 2s2', 'Alkaline earth metal',
   '1.85 g/cm3', '1287 deg C', '2469 deg C'),
  ('B', 'Boron', 5, 10.81, 'Solid', '+3', '1s2 2s2 2p1', 'Metalloid',
   '2.34 g/cm3', '2077 deg C', '4000 deg C'),
  ('C', 'Carbon', 6, 12.011, 'Solid', '+4, +2, -4', '1s2 2s2 2p2', 'Nonmetal',
   '2.27 g/cm3 (graphite)', 'None at 1 atm (sublimes)', 'Sublimes at 3642 deg C'),
  ('N', 'Nitrogen', 7, 14.007, 'Gas', '+5, +3, -3', '1s2 2s2 2p3', 'Nonmetal',
   '1.2506 g/L', '-210.00 deg C', '-195.79 deg C'),
  ('O', 'Oxygen', 8, 15.999, 'Gas', '-2', '1s2 2s2 2p4', 'Nonmetal',
   '1.429 g/L', '-218.79 deg C', '-182.96 deg C'),
  ('F', 'Fluorine', 9, 18.998, 'Gas', '-1', '1s2 2s2 2p5', 'Halogen',
   '1.696 g/L', '-219.67 deg C', '-188.11 deg C'),
  ('Ne', 'Neon', 10, 20.180, 'Gas', '0', '1s2 2s2 2p6', 'Noble gas',
   '0.9002 g/L', '-248.59 deg C', '-246.05 deg C');
