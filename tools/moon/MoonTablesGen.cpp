// Writes the tables of the moon column: the dates of the four principal moon phases in Central
// European standard time (UTC+1 all year, no summer time).
//
//   moon_tables_gen                      prints src/core/MoonPhaseTables.cpp (2000-2020, as keys)
//   moon_tables_gen --century            prints src/core/MoonPhaseDates.cpp (1900-2100, as numbers)
//   moon_tables_gen --check FILE         exit 0 when FILE holds exactly the first, else 1
//   moon_tables_gen --check-century FILE exit 0 when FILE holds exactly the second, else 1
//   moon_tables_gen --instants           lists every phase instant of 2000-2020 (UTC+1, to the second)
//
// The instants come from the lunar-phase method of Meeus, Astronomical Algorithms (2nd ed.),
// chapter 49: the mean phase, its periodic terms, the quarter correction W and the fourteen
// planetary terms. They are in dynamical time (TT); Espenak and Meeus's polynomials for delta T
// bring them to UT.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The years of the calendar's own table, and the years any range of the calendar may span.
constexpr int kTableFirstYear = 2000;
constexpr int kTableLastYear = 2020;
constexpr int kCenturyFirstYear = 1900;
constexpr int kCenturyLastYear = 2100;
constexpr double kUtcOffsetDays = 1.0 / 24.0;

enum Phase { kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter };

double SinDeg(double deg) {
  return std::sin(deg * M_PI / 180.0);
}
double CosDeg(double deg) {
  return std::cos(deg * M_PI / 180.0);
}

// Julian Ephemeris Day of the phase with lunation number k (k + 0.25 * phase, k counted from the
// new moon of 6 January 2000).
double PhaseJde(int lunation, Phase phase) {
  const double k = lunation + 0.25 * static_cast<int>(phase);
  const double T = k / 1236.85;
  const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
  const double Mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
  const double F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
  const double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;

  double c = 0;
  if (phase == kNewMoon || phase == kFullMoon) {
    const bool full = phase == kFullMoon;
    c = (full ? -0.40614 : -0.40720) * SinDeg(Mp) + (full ? 0.17302 : 0.17241) * E * SinDeg(M) +
        (full ? 0.01614 : 0.01608) * SinDeg(2 * Mp) + (full ? 0.01043 : 0.01039) * SinDeg(2 * F) +
        (full ? 0.00734 : 0.00739) * E * SinDeg(Mp - M) - (full ? 0.00515 : 0.00514) * E * SinDeg(Mp + M) +
        (full ? 0.00209 : 0.00208) * E * E * SinDeg(2 * M) - 0.00111 * SinDeg(Mp - 2 * F) -
        0.00057 * SinDeg(Mp + 2 * F) + 0.00056 * E * SinDeg(2 * Mp + M) - 0.00042 * SinDeg(3 * Mp) +
        0.00042 * E * SinDeg(M + 2 * F) + 0.00038 * E * SinDeg(M - 2 * F) - 0.00024 * E * SinDeg(2 * Mp - M) -
        0.00017 * SinDeg(Om) - 0.00007 * SinDeg(Mp + 2 * M) + 0.00004 * SinDeg(2 * Mp - 2 * F) +
        0.00004 * SinDeg(3 * M) + 0.00003 * SinDeg(Mp + M - 2 * F) + 0.00003 * SinDeg(2 * Mp + 2 * F) -
        0.00003 * SinDeg(Mp + M + 2 * F) + 0.00003 * SinDeg(Mp - M + 2 * F) -
        0.00002 * SinDeg(Mp - M - 2 * F) - 0.00002 * SinDeg(3 * Mp + M) + 0.00002 * SinDeg(4 * Mp);
  } else {
    c = -0.62801 * SinDeg(Mp) + 0.17172 * E * SinDeg(M) - 0.01183 * E * SinDeg(Mp + M) +
        0.00862 * SinDeg(2 * Mp) + 0.00804 * SinDeg(2 * F) + 0.00454 * E * SinDeg(Mp - M) +
        0.00204 * E * E * SinDeg(2 * M) - 0.00180 * SinDeg(Mp - 2 * F) - 0.00070 * SinDeg(Mp + 2 * F) -
        0.00040 * SinDeg(3 * Mp) - 0.00034 * E * SinDeg(2 * Mp - M) + 0.00032 * E * SinDeg(M + 2 * F) +
        0.00032 * E * SinDeg(M - 2 * F) - 0.00028 * E * E * SinDeg(Mp + 2 * M) +
        0.00027 * E * SinDeg(2 * Mp + M) - 0.00017 * SinDeg(Om) - 0.00005 * SinDeg(Mp - M - 2 * F) +
        0.00004 * SinDeg(2 * Mp + 2 * F) - 0.00004 * SinDeg(Mp + M + 2 * F) + 0.00004 * SinDeg(Mp - 2 * M) +
        0.00003 * SinDeg(Mp + M - 2 * F) + 0.00003 * SinDeg(3 * M) + 0.00002 * SinDeg(2 * Mp - 2 * F) +
        0.00002 * SinDeg(Mp - M + 2 * F) - 0.00002 * SinDeg(3 * Mp + M);
    const double W = 0.00306 - 0.00038 * E * CosDeg(M) + 0.00026 * CosDeg(Mp) - 0.00002 * CosDeg(Mp - M) +
                     0.00002 * CosDeg(Mp + M) + 0.00002 * CosDeg(2 * F);
    c += phase == kFirstQuarter ? W : -W;
  }

  static constexpr double kPlanetary[14][4] = {
      // coefficient, argument at k = 0, per lunation, per T^2
      {0.000325, 299.77, 0.107408, -0.009173}, {0.000165, 251.88, 0.016321, 0},
      {0.000164, 251.83, 26.651886, 0},        {0.000126, 349.42, 36.412478, 0},
      {0.000110, 84.66, 18.206239, 0},         {0.000062, 141.74, 53.303771, 0},
      {0.000060, 207.14, 2.453732, 0},         {0.000056, 154.84, 7.306860, 0},
      {0.000047, 34.52, 27.261239, 0},         {0.000042, 207.19, 0.121824, 0},
      {0.000040, 291.34, 1.844379, 0},         {0.000037, 161.72, 24.198154, 0},
      {0.000035, 239.56, 25.513099, 0},        {0.000023, 331.55, 3.592518, 0},
  };
  for (const auto& p : kPlanetary) c += p[0] * SinDeg(p[1] + p[2] * k + p[3] * T2);
  return jde + c;
}

struct CalendarDate {
  int year, month, day;
  double dayFraction;
};

// Meeus chapter 7, Gregorian calendar only.
CalendarDate FromJulianDay(double jd) {
  const double shifted = jd + 0.5;
  const long Z = static_cast<long>(std::floor(shifted));
  const double fraction = shifted - Z;
  const long alpha = static_cast<long>((Z - 1867216.25) / 36524.25);
  const long A = Z + 1 + alpha - alpha / 4;
  const long B = A + 1524;
  const long C = static_cast<long>((B - 122.1) / 365.25);
  const long D = static_cast<long>(365.25 * C);
  const long E = static_cast<long>((B - D) / 30.6001);
  const int day = static_cast<int>(B - D - static_cast<long>(30.6001 * E));
  const int month = static_cast<int>(E < 14 ? E - 1 : E - 13);
  const int year = static_cast<int>(month > 2 ? C - 4716 : C - 4715);
  return {year, month, day, fraction};
}

// TT - UT in seconds, Espenak and Meeus's polynomials for 1900-2150.
double DeltaTSeconds(double decimalYear) {
  const double y = decimalYear;
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y >= 2050) {
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
  }
  const double t = y - 2000;
  if (y < 2005)
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

// The instant of a phase as a Julian Day in UTC+1.
double PhaseLocalJd(int lunation, Phase phase) {
  const double jde = PhaseJde(lunation, phase);
  const CalendarDate approx = FromJulianDay(jde);
  const double decimalYear = approx.year + (approx.month - 0.5) / 12.0;
  return jde - DeltaTSeconds(decimalYear) / 86400.0 + kUtcOffsetDays;
}

struct PhaseDate {
  int year, month, day;
};

// The calendar date of an instant in UTC+1. Instants within a minute of midnight keep the date the
// method gives: the last quarter of July 2016 comes out at 23:59:36 on the 26th, where published
// calendars list it too, although a finer ephemeris puts it just after midnight.
PhaseDate ListedDate(double localJd) {
  const CalendarDate d = FromJulianDay(localJd);
  return {d.year, d.month, d.day};
}

std::vector<PhaseDate> PhaseDates(Phase phase, int firstYear, int lastYear) {
  std::vector<PhaseDate> dates;
  const int firstLunation = static_cast<int>(std::floor((firstYear - 2000) * 12.3685)) - 2;
  const int lastLunation = static_cast<int>(std::ceil((lastYear + 1 - 2000) * 12.3685)) + 2;
  for (int k = firstLunation; k <= lastLunation; ++k) {
    const PhaseDate d = ListedDate(PhaseLocalJd(k, phase));
    if (d.year >= firstYear && d.year <= lastYear) dates.push_back(d);
  }
  return dates;
}

std::string TableSource() {
  static constexpr const char* kNames[] = {"kNewMoon", "kFirstQuarter", "kFullMoon", "kLastQuarter"};
  static constexpr const char* kEnums[] = {"New", "FirstQuarter", "Full", "LastQuarter"};
  std::ostringstream out;
  out << "// Generated by tools/moon/MoonTablesGen.cpp (target moon_tables_gen); do not edit.\n"
         "// Dates of the principal moon phases 2000-2020 in UTC+1, as MoonKeys (month/day/year).\n\n"
         "#include \"core/MoonPhases.h\"\n\n"
         "namespace orv {\n"
         "namespace {\n";
  for (int p = kNewMoon; p <= kLastQuarter; ++p) {
    const std::vector<PhaseDate> dates = PhaseDates(static_cast<Phase>(p), kTableFirstYear, kTableLastYear);
    out << "\nconstexpr const char* " << kNames[p] << "[" << dates.size() << "] = {";
    for (size_t i = 0; i < dates.size(); ++i) {
      char key[16];
      std::snprintf(key, sizeof key, "%02d/%02d/%4d", dates[i].month, dates[i].day, dates[i].year);
      out << (i % 7 == 0 ? "\n    " : " ") << '"' << key << "\",";
    }
    out << "\n};\n";
  }
  out << "\n}  // namespace\n\n"
         "std::span<const char* const> MoonPhaseKeys(MoonPhase phase) {\n"
         "  switch (phase) {\n";
  for (int p = kNewMoon; p <= kLastQuarter; ++p)
    out << "    case MoonPhase::" << kEnums[p] << ":\n      return " << kNames[p] << ";\n";
  out << "  }\n"
         "  return {};\n"
         "}\n\n"
         "}  // namespace orv\n";
  return out.str();
}

// The same method over 1900-2100, each date a number YYYYMMDD: compact, and cheap to turn into keys
// for the years a range asks for.
std::string CenturySource() {
  static constexpr const char* kNames[] = {"kNewMoon", "kFirstQuarter", "kFullMoon", "kLastQuarter"};
  static constexpr const char* kEnums[] = {"New", "FirstQuarter", "Full", "LastQuarter"};
  std::ostringstream out;
  out << "// Generated by tools/moon/MoonTablesGen.cpp (moon_tables_gen --century); do not edit.\n"
         "// Dates of the principal moon phases 1900-2100 in UTC+1, as numbers YYYYMMDD.\n\n"
         "#include \"core/MoonPhases.h\"\n\n"
         "namespace orv {\n"
         "namespace {\n";
  for (int p = kNewMoon; p <= kLastQuarter; ++p) {
    const std::vector<PhaseDate> dates =
        PhaseDates(static_cast<Phase>(p), kCenturyFirstYear, kCenturyLastYear);
    out << "\nconstexpr int " << kNames[p] << "[" << dates.size() << "] = {";
    for (size_t i = 0; i < dates.size(); ++i)
      out << (i % 10 == 0 ? "\n    " : " ") << dates[i].year * 10000 + dates[i].month * 100 + dates[i].day
          << ',';
    out << "\n};\n";
  }
  out << "\n}  // namespace\n\n"
         "std::span<const int> MoonPhaseDates(MoonPhase phase) {\n"
         "  switch (phase) {\n";
  for (int p = kNewMoon; p <= kLastQuarter; ++p)
    out << "    case MoonPhase::" << kEnums[p] << ":\n      return " << kNames[p] << ";\n";
  out << "  }\n"
         "  return {};\n"
         "}\n\n"
         "}  // namespace orv\n";
  return out.str();
}

// Exit 0 when the file holds exactly `source`.
int Check(const char* path, const std::string& source) {
  std::ifstream in(path, std::ios::binary);
  const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (committed == source) return 0;
  std::cerr << path << " differs from the generated tables; regenerate it with moon_tables_gen\n";
  return 1;
}

void PrintInstants() {
  static constexpr const char* kGlyphs = "UDNC";
  for (int p = kNewMoon; p <= kLastQuarter; ++p)
    for (int k = -2; k <= 262; ++k) {
      const CalendarDate d = FromJulianDay(PhaseLocalJd(k, static_cast<Phase>(p)));
      const long seconds = std::lround(d.dayFraction * 86400);
      std::printf("%c %04d-%02d-%02d %02ld:%02ld:%02ld\n", kGlyphs[p], d.year, d.month, d.day, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc > 1 ? argv[1] : "";
  if (argc == 3 && option == "--check") return Check(argv[2], TableSource());
  if (argc == 3 && option == "--check-century") return Check(argv[2], CenturySource());
  if (argc == 2 && option == "--instants") {
    PrintInstants();
    return 0;
  }
  if (argc == 2 && option == "--century") {
    std::cout << CenturySource();
    return 0;
  }
  if (argc != 1) {
    std::cerr << "usage: moon_tables_gen [--century | --check FILE | --check-century FILE | --instants]\n";
    return 2;
  }
  std::cout << TableSource();
  return 0;
}
