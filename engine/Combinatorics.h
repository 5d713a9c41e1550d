#pragma once

// x! as a double; 0! and 1! are 1.
inline double Factorial(double x)
{
    double result = 1.0;
    double factor = 2.0;
    if (x < 2.0)
        return 1.0;
    do {
        result *= factor;
        factor += 1.0;
    } while (factor <= x);
    return result;
}

// The binomial coefficient C(n, k), k first. 0 when k > n. n need not be
// whole: the same product is applied to it unchanged.
//
// The reciprocal of k! comes first and the factors ascend: every probability
// of the program is built on these exact roundings. Inline, with the small
// reciprocals at hand, because the tables call it a few hundred times per
// analysis.
inline double Binomial(double k, double n)
{
    static constexpr double kReciprocalFactorials[] = {1.0, 1.0, 1.0 / 2.0, 1.0 / 6.0, 1.0 / 24.0, 1.0 / 120.0};
    if (k > n)
        return 0.0;
    double f;
    if (k >= 0.0 && k <= 5.0 && static_cast<int>(k) == k)
        f = kReciprocalFactorials[static_cast<int>(k)];
    else
        f = 1.0 / Factorial(k);
    for (double i = n - k + 1.0; i <= n; i += 1.0)
        f *= i;
    return f;
}
