// Intentionally empty.
//
// vaspo_assets holds nothing but Qt resources.  CMake refuses a static library
// without a source file, so this translation unit gives it one.  For a static
// target qt_add_resources() builds the resources into an object library that
// is linked into every program using vaspo_assets, where they register
// themselves at start-up; no Q_INIT_RESOURCE call is needed.
