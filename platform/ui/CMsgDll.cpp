#include "ui/CMsgDll.h"

namespace {
const char* KeyItself(const char* key, int) { return key ? key : ""; }
void Drop(const char*) {}
}  // namespace

const char* (*CMsgDll::pfuncLoadStr)(const char*, int) = KeyItself;
void (*CMsgDll::pfuncMsgOut)(const char*) = Drop;
