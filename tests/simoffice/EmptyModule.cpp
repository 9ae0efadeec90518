// A loadable module without the object-creation export.
extern "C" __attribute__((visibility("default"))) int QhTestEmptyModule() {
  return 0;
}
