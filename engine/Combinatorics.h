#pragma once

// x! as a double; 0! and 1! are 1.
double Factorial(double x);

// The binomial coefficient C(n, k), k first. 0 when k > n. n need not be
// whole: the same product is applied to it unchanged.
double Binomial(double k, double n);
