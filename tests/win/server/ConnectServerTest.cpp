// Quillhour.dll's class Connect as Outlook meets it: made by the class factory, one object
// with three dual interfaces, called through their vtables as Outlook calls an add-in, with
// failures answered as error info. The simulated Outlook stands behind COM.
#include <gtest/gtest.h>

#include <OfficeAddin.h>
#include <QuillhourControls_h.h>
#include <Quillhour_h.h>

#include "hosts/sim/SimHost.h"
#include "hosts/win/automation/Bstr.h"
#include "hosts/win/automation/DispatchObject.h"
#include "hosts/win/automation/ErrorInfo.h"
#include "hosts/win/testhost/ComActivation.h"
#include "tests/support/HostWindows.h"
#include "tests/win/server/LoadedServer.h"

namespace qh::win::test {
namespace {

using qh::testing::quillhourBar;

// Office's empty custom() array.
class Custom {
 public:
  Custom() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  ~Custom() { SafeArrayDestroy(array_); }
  SAFEARRAY** get() { return &array_; }

 private:
  SAFEARRAY* array_;
};

class ConnectServerTest : public ::testing::Test {
 protected:
  ComPtr<_IDTExtensibility2> newAddin() {
    return server.create(CLSID_Connect).as<_IDTExtensibility2>(IID__IDTExtensibility2);
  }
  ComPtr<IDispatch> application() {
    auto& activation = dynamic_cast<ComActivation&>(host.activation());
    return activation.bridge().dispatchFor(*host.outlook().applicationObject());
  }
  DISPID idOf(IDispatch& face, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    face.GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return id;
  }

  sim::SimHost host{sim::SimHost::Options{}};
  LoadedServer server{"Quillhour"};
  std::shared_ptr<ObjectBridge> bridge = ObjectBridge::create();  // the caller's own
  Custom custom;
};

TEST_F(ConnectServerTest, TheFactoryMakesOnlyConnectAndDoesNotAggregate) {
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(server.classObject(CLSID_InspectorPane, factory), CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(server.classObject(CLSID_Connect, factory), S_OK);
  ComPtr<IUnknown> object;
  EXPECT_EQ(factory->CreateInstance(application().get(), IID_IUnknown, object.putVoid()),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IRibbonExtensibility, object.putVoid()), S_OK);
}

TEST_F(ConnectServerTest, OneObjectAnswersThreeDualInterfacesEachWithItsOwnMembers) {
  const ComPtr<IUnknown> object = server.create(CLSID_Connect);
  const auto extensibility = object.as<_IDTExtensibility2>(IID__IDTExtensibility2);
  const auto ribbon = object.as<IRibbonExtensibility>(IID_IRibbonExtensibility);
  const auto consumer = object.as<ICustomTaskPaneConsumer>(IID_ICustomTaskPaneConsumer);
  ASSERT_TRUE(extensibility && ribbon && consumer);
  EXPECT_EQ(object.as<IDispatch>(IID_IDispatch).get(), extensibility.get())
      << "the object's IDispatch is that of _IDTExtensibility2";
  EXPECT_EQ(ribbon.as<IUnknown>(IID_IUnknown).get(), object.get());
  EXPECT_FALSE(object.as<IConnectionPointContainer>(IID_IConnectionPointContainer));

  EXPECT_EQ(idOf(*extensibility.get(), L"OnConnection"), 1);
  EXPECT_EQ(idOf(*extensibility.get(), L"onbeginshutdown"), 5);
  EXPECT_EQ(idOf(*ribbon.get(), L"GetCustomUI"), 1);
  EXPECT_EQ(idOf(*consumer.get(), L"CTPFactoryAvailable"), 1);
  EXPECT_EQ(idOf(*ribbon.get(), L"OnConnection"), DISPID_UNKNOWN) << "not a ribbon member";
  EXPECT_GT(idOf(*extensibility.get(), L"TagArray"), 5) << "clear of Office's DISPIDs";

  const auto errors = object.as<ISupportErrorInfo>(IID_ISupportErrorInfo);
  ASSERT_TRUE(errors);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID__IDTExtensibility2), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_ICustomTaskPaneConsumer), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IClassFactory), S_FALSE);
}

TEST_F(ConnectServerTest, OutlooksVtableCallsRunTheAddinFromConnectionToShutdown) {
  sim::outlook::AppointmentItem::Fields settings;
  settings.subject = "Quillhour_Settings1_";
  settings.body = "Admin; Support";
  host.outlook().addAppointment(host.outlook().calendar(), settings);
  Ref<sim::outlook::Explorer> explorer = host.outlook().openExplorer(host.outlook().calendar());
  ComPtr<_IDTExtensibility2> addin = newAddin();
  ASSERT_TRUE(addin);
  ASSERT_EQ(addin->OnConnection(application().get(), ext_cm_Startup, nullptr, custom.get()), S_OK);
  EXPECT_FALSE(quillhourBar(*explorer)) << "open windows wait for the start-up to complete";
  ASSERT_EQ(addin->OnStartupComplete(custom.get()), S_OK);
  Ref<sim::CommandBar> bar = quillhourBar(*explorer);
  ASSERT_TRUE(bar);
  // The object's IDispatch reaches the add-in's other members, as COMAddIn.Object's callers do.
  EXPECT_EQ(makeRef<DispatchObject>(bridge, ComPtr<IDispatch>(addin.get()))->get("TagArray"),
            Variant(StringArray::of({"Admin", "Support"})));

  Bstr markup;
  EXPECT_EQ(addin.as<IRibbonExtensibility>(IID_IRibbonExtensibility)
                ->GetCustomUI(Bstr(L"Microsoft.Outlook.Explorer").get(), markup.put()),
            S_OK);
  EXPECT_TRUE(markup.empty());

  EXPECT_EQ(addin->OnBeginShutdown(custom.get()), S_OK);
  EXPECT_TRUE(bar->isDeleted());
  EXPECT_EQ(addin->OnDisconnection(ext_dm_HostShutdown, custom.get()), S_OK);
  EXPECT_EQ(server.canUnloadNow(), S_FALSE) << "Outlook still holds the object";
  addin.reset();
  EXPECT_EQ(server.canUnloadNow(), S_OK);
}

TEST_F(ConnectServerTest, AFailedConnectionAnswersTheHostsErrorAsErrorInfo) {
  host.outlook().application().failOn("GetNamespace", "The MAPI logon failed.");
  ComPtr<_IDTExtensibility2> addin = newAddin();
  ASSERT_TRUE(addin);
  const HRESULT hr =
      addin->OnConnection(application().get(), ext_cm_Startup, nullptr, custom.get());
  ASSERT_TRUE(FAILED(hr));
  EXPECT_EQ(errorFromFailedCall(hr, addin.get(), IID__IDTExtensibility2).description(),
            "The MAPI logon failed.");
}

TEST_F(ConnectServerTest, AServerLockKeepsTheModuleLoaded) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(server.classObject(CLSID_Connect, factory), S_OK);
  factory->LockServer(TRUE);
  factory.reset();
  EXPECT_EQ(server.canUnloadNow(), S_FALSE);
  ASSERT_EQ(server.classObject(CLSID_Connect, factory), S_OK);
  factory->LockServer(FALSE);
  factory.reset();
  EXPECT_EQ(server.canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace qh::win::test
