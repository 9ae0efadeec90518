// How a call by IDispatch reaches one of our objects: which kind of call the flags make, and
// the member's name as the caller spelt it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hosts/win/automation/ComDispatch.h"
#include "hosts/win/automation/ObjectBridge.h"

namespace qh::win::test {
namespace {

// Records each call as "<kind> <name>".
class RecordingObject : public Object {
 public:
  std::vector<std::string> calls;

  Variant invoke(std::string_view name, CallKind kind, Args&) override {
    const char* kinds[] = {"Get", "Put", "Call"};
    calls.push_back(std::string(kinds[static_cast<int>(kind)]) + " " + std::string(name));
    return Variant();
  }
};

class MemberCallTest : public ::testing::Test {
 protected:
  DISPID idOf(const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(face->GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    return id;
  }
  HRESULT invoke(const wchar_t* name, WORD flags) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_I4;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    if (flags & DISPATCH_PROPERTYPUT) params = {&value, &put, 1, 1};
    VARIANT result;
    return face->Invoke(idOf(name), IID_NULL, 0, flags, &params, &result, nullptr, nullptr);
  }

  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();
  Ref<RecordingObject> object = makeRef<RecordingObject>();
  ComPtr<IDispatch> face = bridge->dispatchFor(*object);
};

TEST_F(MemberCallTest, ReadingIsAGetAndAMethodAloneIsACall) {
  EXPECT_EQ(invoke(L"Subject", DISPATCH_PROPERTYGET), S_OK);
  EXPECT_EQ(invoke(L"Subject", DISPATCH_PROPERTYGET | DISPATCH_METHOD), S_OK);
  EXPECT_EQ(invoke(L"Save", DISPATCH_METHOD), S_OK);
  EXPECT_EQ(invoke(L"Subject", DISPATCH_PROPERTYPUT), S_OK);
  EXPECT_EQ(object->calls,
            (std::vector<std::string>{"Get Subject", "Get Subject", "Call Save", "Put Subject"}));
}

TEST_F(MemberCallTest, TheObjectHearsEachSpellingAsItWasWritten) {
  const DISPID lower = idOf(L"visible");
  const DISPID upper = idOf(L"Visible");
  EXPECT_NE(lower, upper);
  EXPECT_EQ(idOf(L"visible"), lower) << "a spelling keeps its number";
  EXPECT_EQ(invoke(L"visible", DISPATCH_PROPERTYPUT), S_OK);
  EXPECT_EQ(invoke(L"Visible", DISPATCH_PROPERTYPUT), S_OK);
  EXPECT_EQ(object->calls, (std::vector<std::string>{"Put visible", "Put Visible"}));
}

}  // namespace
}  // namespace qh::win::test
