#pragma once

// What adding step to value `count` times in single precision gives, each sum rounded to a float as it
// is made, without making them all: a fade's running value at a line far into a huge note, found in
// time that does not grow with the number of lines. A count of 0 or less gives the value unchanged.
float AddRepeatedly(float value, float step, long long count);
