#include "baseline/productivity.h"


namespace zav {

double Rate(double value, double per) { return per == 0 ? 0.0 : value / per; }

WorkTime ComputeWorkTime(const Settings& s, int64_t delta_seconds) {
  WorkTime w;
  w.delta = static_cast<double>(delta_seconds);
  w.calendar_days = w.delta / 86400.0;
  w.work_days = Rate(w.delta, s.work_seconds_per_hour * 24.0) * s.work_days_per_week / 7.0;
  w.man_hours = static_cast<double>(s.work_hours_per_shift) * s.work_shifts_per_day * w.work_days;
  w.man_days = Rate(w.man_hours, s.work_hours_per_man_day);
  w.man_weeks = Rate(w.man_hours, s.work_hours_per_man_week);
  w.man_months = Rate(w.man_hours, s.work_hours_per_man_month);
  w.man_years = Rate(w.man_hours, s.work_hours_per_man_year);
  return w;
}

}  // namespace zav
