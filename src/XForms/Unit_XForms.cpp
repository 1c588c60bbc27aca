// Placeholder unit so the library has a source until its units arrive.
namespace { [[maybe_unused]] int placeholder_XForms = 0; }
