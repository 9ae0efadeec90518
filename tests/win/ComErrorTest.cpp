#include "hosts/win/automation/ComError.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "hosts/win/automation/Bstr.h"

namespace qh::win::test {
namespace {

HRESULT fillLater(EXCEPINFO* info) {
  info->bstrDescription = SysAllocString(L"Filled in late");
  info->scode = E_ACCESSDENIED;
  return S_OK;
}

TEST(ComErrorTest, AnExceptionCarriesItsDescriptionAndCode) {
  EXCEPINFO info{};
  info.bstrDescription = Bstr::fromUtf8("The operation failed.").detach();
  info.bstrSource = SysAllocString(L"Outlook");
  info.scode = static_cast<SCODE>(0x80040201);
  const Error e = errorFromHresult(DISP_E_EXCEPTION, &info);
  EXPECT_EQ(e.description(), "The operation failed.");
  EXPECT_EQ(e.code(), static_cast<std::int32_t>(0x80040201));
  EXPECT_EQ(info.bstrDescription, nullptr);  // read and freed
  EXPECT_EQ(info.bstrSource, nullptr);
}

TEST(ComErrorTest, ADeferredFillInIsCalledBeforeReading) {
  EXCEPINFO info{};
  info.pfnDeferredFillIn = fillLater;
  const Error e = errorFromHresult(DISP_E_EXCEPTION, &info);
  EXPECT_EQ(e.description(), "Filled in late");
  EXPECT_EQ(e.code(), static_cast<std::int32_t>(E_ACCESSDENIED));
}

TEST(ComErrorTest, RuntimeErrorNumbersSurviveTheCrossing) {
  EXCEPINFO info{};
  info.scode = hresultOf(Error(ErrorCode::ObjectNotSet));
  info.bstrDescription = SysAllocString(L"Object variable not set");
  EXPECT_EQ(static_cast<unsigned long>(info.scode), 0x800A005Bul);
  EXPECT_EQ(errorFromHresult(DISP_E_EXCEPTION, &info).code(), 91);
  EXCEPINFO withWCode{};
  withWCode.wCode = 1004;
  EXPECT_EQ(errorFromHresult(DISP_E_EXCEPTION, &withWCode).code(), 1004);
  EXPECT_EQ(hresultOf(Error(static_cast<std::int32_t>(E_FAIL), "x")), E_FAIL);
}

TEST(ComErrorTest, WithoutADescriptionTheSystemsMessageIsUsed) {
  EXCEPINFO info{};
  info.scode = E_OUTOFMEMORY;
  const Error e = errorFromHresult(DISP_E_EXCEPTION, &info);
  EXPECT_EQ(e.description(), systemMessage(E_OUTOFMEMORY));
  EXPECT_FALSE(e.description().empty());
  EXPECT_NE(e.description().back(), '\n');
  EXPECT_EQ(systemMessage(static_cast<HRESULT>(0x8004ABCD)), "Automation error 0x8004ABCD");
}

TEST(ComErrorTest, UnknownMembersAndBadArgumentsReadAsTheRuntimesOwnErrors) {
  EXPECT_EQ(errorFromHresult(DISP_E_UNKNOWNNAME).description(),
            "Object doesn't support this property or method");
  EXPECT_EQ(errorFromHresult(DISP_E_MEMBERNOTFOUND).code(), 438);
  EXPECT_EQ(errorFromHresult(DISP_E_TYPEMISMATCH).description(), "Type mismatch");
  EXPECT_EQ(errorFromHresult(DISP_E_PARAMNOTOPTIONAL).code(), 449);
  EXPECT_NO_THROW(throwIfFailed(S_FALSE));
  EXPECT_THROW(throwIfFailed(E_NOINTERFACE), Error);
}

HRESULT answerFor(std::exception_ptr thrown, EXCEPINFO* info) {
  try {
    std::rethrow_exception(thrown);
  } catch (...) {
    return hresultFromCurrentException(info);
  }
}

TEST(ComErrorTest, TheEdgeTurnsEachExceptionIntoItsHresult) {
  EXCEPINFO info{};
  EXPECT_EQ(answerFor(std::make_exception_ptr(Error(1004, "Export failed")), &info),
            DISP_E_EXCEPTION);
  EXPECT_EQ(Bstr::adopt(info.bstrDescription).toUtf8(), "Export failed");
  EXPECT_EQ(static_cast<unsigned long>(info.scode), 0x800A03ECul);

  EXPECT_EQ(answerFor(std::make_exception_ptr(Error(ErrorCode::Overflow)), nullptr),
            static_cast<HRESULT>(0x800A0006));
  EXPECT_EQ(answerFor(std::make_exception_ptr(ComFailure(DISP_E_BADPARAMCOUNT)), &info),
            DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(answerFor(std::make_exception_ptr(std::bad_alloc()), &info), E_OUTOFMEMORY);

  EXCEPINFO other{};
  EXPECT_EQ(answerFor(std::make_exception_ptr(std::runtime_error("odd")), &other),
            DISP_E_EXCEPTION);
  EXPECT_EQ(Bstr::adopt(other.bstrDescription).toUtf8(), "odd");
  EXPECT_EQ(answerFor(std::make_exception_ptr(42), &other), E_UNEXPECTED);
}

}  // namespace
}  // namespace qh::win::test
