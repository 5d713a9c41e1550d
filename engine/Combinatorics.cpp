#include "Combinatorics.h"

double Factorial(double x)
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

// The reciprocal of k! comes first and the factors ascend: every probability
// of the program is built on these exact roundings.
double Binomial(double k, double n)
{
    if (k > n)
        return 0.0;
    double f = 1.0 / Factorial(k);
    for (double i = n - k + 1.0; i <= n; i += 1.0)
        f *= i;
    return f;
}
