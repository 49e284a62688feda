// Work time between two baselines and the productivity rates built on it.
#pragma once

#include <cstdint>
#include <string>

#include "zav/settings.h"

namespace zav {

struct WorkTime {
  double delta = 0;  // seconds between the two creation times
  double calendar_days = 0;
  double work_days = 0;
  double man_hours = 0;
  double man_days = 0;
  double man_weeks = 0;
  double man_months = 0;
  double man_years = 0;
};

// Calendar days = delta / 86,400; work days = delta / (seconds per hour *
// 24) * work days per week / 7; man hours = hours per shift * shifts per
// day * work days; man days, weeks, months and years = man hours / the
// hours of each. A setting of 0 gives 0 where it divides.
WorkTime ComputeWorkTime(const Settings& s, int64_t delta_seconds);

// value / per, 0 when per is 0.
double Rate(double value, double per);

}  // namespace zav
