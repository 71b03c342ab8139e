// The afx tests' own dialog templates (test.rc, compiled into this executable as the table
// "test_afx") are the host's resources, searched before the resource chain.
#include "afx/AfxResource.h"

namespace {
struct UseTestResources {
  UseTestResources() { AfxSetResourceHandle("test_afx"); }
} useTestResources;
}  // namespace
