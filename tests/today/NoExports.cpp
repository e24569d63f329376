// A shared library without the Today item exports, for the loader's refusals.
extern "C" int NotATodayItem() { return 1; }
