-- The reference data of Quellorin: built into QuellorinData.mdb by makedb.
-- Text is plain ASCII; temperatures are written 'deg C'.

-- Physical constants, SI units. Source: CODATA 2022 recommended values (NIST);
-- the speed of light, Planck constant, elementary charge, Avogadro and Boltzmann constants
-- are exact by the definition of the SI.
CREATE TABLE Constants (
  ID INTEGER PRIMARY KEY,
  Constant TEXT NOT NULL,
  Value REAL NOT NULL
);
INSERT INTO Constants (Constant, Value) VALUES
  ('Speed of light (m/s)', 299792458),
  ('Grav. constant (N m2/kg2)', 6.67430e-11),
  ('Planck constant (J s)', 6.62607015e-34),
  ('Elementary charge (C)', 1.602176634e-19),
  ('Electron mass (kg)', 9.1093837139e-31),
  ('Proton mass (kg)', 1.67262192595e-27),
  ('Avogadro constant (1/mol)', 6.02214076e23),
  ('Boltzmann constant (J/K)', 1.380649e-23);

-- Static and kinetic coefficients of friction, dry surfaces unless stated.
-- Source: Serway and Jewett, Physics for Scientists and Engineers, table of coefficients of
-- friction (usual textbook values; real surfaces vary).
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
  ('Rubber on concrete', 1.0, 0.8),
  ('Glass on glass', 0.94, 0.4),
  ('Teflon on Teflon', 0.04, 0.04),
  ('Ice on ice', 0.1, 0.03),
  ('Waxed wood on wet snow', 0.14, 0.1);

-- Indices of refraction at 589 nm (sodium D line), near 20 deg C.
-- Source: Serway and Jewett, Physics for Scientists and Engineers, table of indices of
-- refraction (values from the CRC Handbook of Chemistry and Physics).
CREATE TABLE IndexOfRefraction (
  ID INTEGER PRIMARY KEY,
  Substance TEXT NOT NULL,
  "Index" REAL NOT NULL
);
INSERT INTO IndexOfRefraction (Substance, "Index") VALUES
  ('Air', 1.000293),
  ('Water', 1.333),
  ('Ice', 1.309),
  ('Ethyl alcohol', 1.361),
  ('Fused quartz', 1.458),
  ('Crown glass', 1.52),
  ('Sodium chloride', 1.544),
  ('Diamond', 2.419);

-- Unit conversions: a row 'a to b' means 1 a = Conversion1 b, and 1 b = Conversion2 a.
-- Source: NIST Special Publication 811 (Guide for the Use of the SI). Conversion1 is exact for
-- every row (inch, foot, mile, pound, thermochemical calorie, standard atmosphere, mechanical
-- horsepower by definition; electronvolt from the exact elementary charge); Conversion2 is its
-- inverse to double precision.
CREATE TABLE UnitConversions (
  ID INTEGER PRIMARY KEY,
  Unit TEXT NOT NULL,
  Conversion1 REAL NOT NULL,
  Conversion2 REAL NOT NULL
);
INSERT INTO UnitConversions (Unit, Conversion1, Conversion2) VALUES
  ('in to cm', 2.54, 0.3937007874015748),
  ('ft to m', 0.3048, 3.2808398950131235),
  ('mi to km', 1.609344, 0.621371192237334),
  ('lb to kg', 0.45359237, 2.2046226218487757),
  ('cal to J', 4.184, 0.2390057361376673),
  ('atm to Pa', 101325, 9.869232667160129e-06),
  ('eV to J', 1.602176634e-19, 6.241509074460762e+18),
  ('hp to W', 745.69987158227022, 0.0013410220895950279);

-- The elements. Atomic weights: IUPAC standard atomic weights (abridged/conventional values,
-- 2021). Densities (gases at 0 deg C and 1 atm), melting and boiling points at 1 atm:
-- CRC Handbook of Chemistry and Physics. Charge lists the usual oxidation states.
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
  ('He', 'Helium', 2, 4.002602, 'Gas', '0', '1s2', 'Noble gas',
   '0.1786 g/L', '-272.2 deg C (at 25 atm)', '-268.93 deg C'),
  ('Li', 'Lithium', 3, 6.94, 'Solid', '+1', '1s2 2s1', 'Alkali metal',
   '0.534 g/cm3', '180.5 deg C', '1342 deg C');
