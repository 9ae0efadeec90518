// Failures of early-bound calls: the description travels as the thread's error info.
#include "hosts/win/automation/ErrorInfo.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"

namespace qh::win::test {
namespace {

const IID kSomeInterface = {
    0x5418C76D, 0xA3A1, 0x43D7, {0xBF, 0x5E, 0x98, 0x61, 0x69, 0x06, 0x8C, 0x31}};

// A callee that says, through ISupportErrorInfo, which interface leaves error info.
class Callee final : public ComObject<ISupportErrorInfo> {
 public:
  explicit Callee(bool supports) : supports_(supports) {}
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) noexcept override {
    return supports_ && IsEqualIID(iid, kSomeInterface) ? S_OK : S_FALSE;
  }

 private:
  bool supports_;
};

// What a vtable method answers when it fails with `failure`.
template <class Failure>
HRESULT reported(const Failure& failure) {
  try {
    throw failure;
  } catch (...) {
    return reportCurrentException(kSomeInterface);
  }
}

TEST(ErrorInfoTest, AnErrorLeavesItsDescriptionAndNumberForACallerThatAsks) {
  const HRESULT hr = reported(Error(ErrorCode::TypeMismatch));
  EXPECT_EQ(hr, hresultOf(Error(ErrorCode::TypeMismatch)));
  const ComPtr<IUnknown> callee(new Callee(true));
  const Error e = errorFromFailedCall(hr, callee.get(), kSomeInterface);
  EXPECT_EQ(e.code(), static_cast<std::int32_t>(ErrorCode::TypeMismatch));
  EXPECT_EQ(e.description(), "Type mismatch");

  ComPtr<IErrorInfo> left;
  EXPECT_EQ(GetErrorInfo(0, left.put()), S_FALSE) << "the error info was taken";
}

TEST(ErrorInfoTest, ErrorInfoIsIgnoredWhereTheCalleeDoesNotVouchForIt) {
  const HRESULT hr = reported(std::runtime_error("stale"));
  EXPECT_EQ(hr, E_FAIL);
  const ComPtr<IUnknown> callee(new Callee(false));
  const Error e = errorFromFailedCall(hr, callee.get(), kSomeInterface);
  EXPECT_EQ(e.description(), systemMessage(E_FAIL));
}

TEST(ErrorInfoTest, AProtocolAnswerGoesBackAsItIs) {
  EXPECT_EQ(reported(ComFailure(E_NOINTERFACE)), E_NOINTERFACE);
}

}  // namespace
}  // namespace qh::win::test
