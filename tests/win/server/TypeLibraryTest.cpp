// The type libraries embedded in the two servers, read as Office and COM read them: loaded
// from the DLL without registering, with the vtable slots and DISPIDs Office's interfaces have
// and the GUIDs each deliverable is registered under.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/ControlsIdentity.h"
#include "core/AddinIdentity.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/WideText.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

std::string textOf(REFGUID guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return narrow(text);
}

GUID guidOf(const char* text) {
  std::wstring wide = widen(text);
  GUID guid{};
  CLSIDFromString(wide.data(), &guid);
  return guid;
}

ComPtr<ITypeLib> typeLibraryOf(const std::string& library) {
  LoadedServer server(library);
  ComPtr<ITypeLib> typeLibrary;
  EXPECT_EQ(LoadTypeLibEx(server.path().c_str(), REGKIND_NONE, typeLibrary.put()), S_OK);
  return typeLibrary;
}

using Functions = std::vector<std::string>;

// One text for each function of an interface's vtable half, as `describe` writes it from the
// function's description and names (the function's, then its parameters').
template <class Describe>
Functions functionsOf(ITypeLib& library, REFIID iid, Describe describe) {
  ComPtr<ITypeInfo> info;
  throwIfFailed(library.GetTypeInfoOfGuid(iid, info.put()));
  HREFTYPE vtableHalf = 0;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtableHalf))) {
    ComPtr<ITypeInfo> dual;
    throwIfFailed(info->GetRefTypeInfo(vtableHalf, dual.put()));
    info = dual;
  }
  TYPEATTR* attributes = nullptr;
  throwIfFailed(info->GetTypeAttr(&attributes));
  Functions functions;
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    throwIfFailed(info->GetFuncDesc(i, &function));
    BSTR raw[8] = {};
    UINT count = 0;
    info->GetNames(function->memid, raw, 8, &count);
    std::vector<std::string> names;
    for (UINT n = 0; n < count; ++n) names.push_back(Bstr::adopt(raw[n]).toUtf8());
    names.resize(std::max<size_t>(names.size(), function->cParams + 1), "?");
    functions.push_back(describe(*function, names));
    info->ReleaseFuncDesc(function);
  }
  info->ReleaseTypeAttr(attributes);
  return functions;
}

// "slot:memid:name" for each function.
Functions vtableOf(ITypeLib& library, REFIID iid) {
  return functionsOf(library, iid, [](const FUNCDESC& function, const auto& names) {
    return std::to_string(function.oVft / sizeof(void*)) + ":" + std::to_string(function.memid) +
           ":" + names[0];
  });
}

// A parameter's type as an IDL declaration spells it ("BSTR*", "SAFEARRAY(BSTR)*").
std::string typeText(const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR:
      return typeText(*type.lptdesc) + "*";
    case VT_SAFEARRAY:
      return "SAFEARRAY(" + typeText(*type.lptdesc) + ")";
    case VT_DISPATCH:
      return "IDispatch*";
    case VT_BSTR:
      return "BSTR";
    case VT_VARIANT:
      return "VARIANT";
    default:
      return "vt " + std::to_string(type.vt);
  }
}

// "Name([in, out] Type Parameter, ...)" for each function.
Functions signaturesOf(ITypeLib& library, REFIID iid) {
  return functionsOf(library, iid, [](const FUNCDESC& function, const auto& names) {
    std::string text = names[0] + "(";
    for (SHORT p = 0; p < function.cParams; ++p) {
      const ELEMDESC& parameter = function.lprgelemdescParam[p];
      const USHORT flags = parameter.paramdesc.wParamFlags;
      const bool in = flags & PARAMFLAG_FIN, out = flags & PARAMFLAG_FOUT;
      text += std::string(p ? ", " : "") + "[" + (in ? "in" : "") + (in && out ? ", " : "") +
              (out ? "out" : "") + "] " + typeText(parameter.tdesc) + " " + names[p + 1];
    }
    return text + ")";
  });
}

IID microsoftIid(unsigned long data1) {
  return IID{data1, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

TEST(TypeLibraryTest, TheAddinsLibraryDescribesConnectWithOfficesInterfaces) {
  const ComPtr<ITypeLib> library = typeLibraryOf("Quillhour");
  ASSERT_TRUE(library);
  ComPtr<ITypeInfo> connect;
  ASSERT_EQ(library->GetTypeInfoOfGuid(guidOf(core::kClassId), connect.put()), S_OK)
      << "the coclass has the CLSID the add-in registers";

  const IID extensibility = {
      0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
  EXPECT_EQ(vtableOf(*library.get(), extensibility),
            (Functions{"7:1:OnConnection", "8:2:OnDisconnection", "9:3:OnAddInsUpdate",
                       "10:4:OnStartupComplete", "11:5:OnBeginShutdown"}));
  EXPECT_EQ(vtableOf(*library.get(), microsoftIid(0x000C0396)), Functions{"7:1:GetCustomUI"});
  EXPECT_EQ(vtableOf(*library.get(), microsoftIid(0x000C033E)),
            Functions{"7:1:CTPFactoryAvailable"});
  EXPECT_EQ(vtableOf(*library.get(), microsoftIid(0x000C033D)), Functions{"7:1:CreateCTP"});
  const Functions pane = vtableOf(*library.get(), microsoftIid(0x000C033B));
  ASSERT_EQ(pane.size(), 15u);
  EXPECT_EQ(pane.front(), "7:0:Title");
  EXPECT_EQ(pane[5], "12:4:ContentControl");
  EXPECT_EQ(pane.back(), "21:9:Delete");
}

TEST(TypeLibraryTest, TheControlLibraryCarriesThePaneControlsIdentity) {
  const ComPtr<ITypeLib> library = typeLibraryOf("QuillhourControls");
  ASSERT_TRUE(library);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_EQ(textOf(attributes->guid), controls::kLibraryId);
  EXPECT_EQ(attributes->lcid, 0x409u) << "English (United States)";
  library->ReleaseTLibAttr(attributes);

  EXPECT_EQ(vtableOf(*library.get(), guidOf(controls::kPaneInterfaceId)),
            (Functions{"7:1610809344:SetAppointmentItem", "8:1610809345:FillTagComboBox",
                       "9:1610809346:SetTagComboBoxText"}));
  // Each argument by reference, of its declared type.
  EXPECT_EQ(signaturesOf(*library.get(), guidOf(controls::kPaneInterfaceId)),
            (Functions{"SetAppointmentItem([in, out] IDispatch** Item)",
                       "FillTagComboBox([in, out] SAFEARRAY(BSTR)* Arr)",
                       "SetTagComboBoxText([in, out] BSTR* Text)"}));
  EXPECT_EQ(vtableOf(*library.get(), guidOf(controls::kPaneEventsId)), Functions{})
      << "the event interface has no events";

  ComPtr<ITypeInfo> coclass;
  ASSERT_EQ(library->GetTypeInfoOfGuid(guidOf(controls::kPaneClassId), coclass.put()), S_OK);
  // The default source is the event interface.
  for (UINT i = 0; i < 2; ++i) {
    INT flags = 0;
    HREFTYPE reference = 0;
    ComPtr<ITypeInfo> implemented;
    ASSERT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
    ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &reference), S_OK);
    ASSERT_EQ(coclass->GetRefTypeInfo(reference, implemented.put()), S_OK);
    TYPEATTR* type = nullptr;
    ASSERT_EQ(implemented->GetTypeAttr(&type), S_OK);
    const std::string expected =
        (flags & IMPLTYPEFLAG_FSOURCE) ? controls::kPaneEventsId : controls::kPaneInterfaceId;
    EXPECT_EQ(textOf(type->guid), expected);
    EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
    implemented->ReleaseTypeAttr(type);
  }
}

}  // namespace
}  // namespace qh::win::test
