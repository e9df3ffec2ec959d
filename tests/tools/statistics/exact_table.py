#!/usr/bin/env python3
"""Writes the table of random data sets in test_statistics.cpp: lists of measurements as a student
types them, with their totals and results worked out independently, in exact rational arithmetic
(Python's fractions), each result rounded once to three decimals (halves away from zero) and
written with English grouping. Run it and paste its output over the rows of randomSets_data()."""

import math
import random
from fractions import Fraction


def rounded(x: Fraction, decimals: int = 3) -> int:
    """round(|x| * 10^decimals), halves away from zero."""
    y = abs(x) * 10**decimals
    return math.floor(y + Fraction(1, 2))


def rounded_root(x: Fraction, decimals: int = 3) -> int:
    """round(sqrt(x) * 10^decimals), halves up, exactly."""
    y = x * 10 ** (2 * decimals)
    r = math.isqrt(y.numerator // y.denominator)
    return r + 1 if 4 * y.numerator >= (2 * r + 1) ** 2 * y.denominator else r


def result(thousandths: int, negative: bool) -> str:
    whole, frac = divmod(thousandths, 1000)
    text = f"{whole:,}.{frac:03d}"
    return "-" + text if negative and thousandths else text


def plain(x: Fraction) -> str:
    """An exact decimal written out with every digit, no trailing zeros."""
    sign = "-" if x < 0 else ""
    x = abs(x)
    places = 0
    while (x * 10**places).denominator != 1:
        places += 1
    digits = str((x * 10**places).numerator).rjust(places + 1, "0")
    text = digits[: len(digits) - places] + ("." + digits[len(digits) - places :] if places else "")
    return sign + text


def main() -> None:
    rng = random.Random(20261208)
    for k in range(50):
        n = rng.randint(2, 12)
        scale = rng.choice([1, 10, 100, 1000, 10**4, 10**5, 10**6])
        places = rng.randint(0, 3)
        centre = rng.randint(1, 99999) * scale
        spread = rng.choice([1, 5, 50, 500, 5000])
        pieces = []
        for _ in range(n):
            v = Fraction(centre) + Fraction(rng.randint(-spread, spread), 10**places)
            v = Fraction(round(v * 10**places), 10**places)
            whole, rest = divmod(abs(int(v * 10**places)), 10**places)  # v has `places` decimals
            sign = "-" if v < 0 else ""
            pieces.append(f"{sign}{whole}.{rest:0{places}d}" if places else f"{sign}{whole}")
        values = [Fraction(p) for p in pieces]
        total = sum(values)
        squares = sum(v * v for v in values)
        mean = total / n
        variance = squares / n - mean * mean
        row = [
            f'"set {k + 1}"',
            '"' + " ".join(pieces) + '"',
            str(n),
            f'"{plain(total)}"',
            f'"{plain(squares)}"',
            f'"{result(rounded(mean), mean < 0)}"',
            f'"{result(rounded(variance), variance < 0)}"',
            f'"{result(rounded_root(variance), False)}"',
        ]
        print("row(" + ", ".join(row) + ");")


if __name__ == "__main__":
    main()
