# The simulated Excel: its object model, the reader of Excel 97-2003 templates (portable,
# no libraries) and the .xlsx writer used when a workbook is handed over.
set(QH_SIM_EXCEL_DIR ${CMAKE_CURRENT_LIST_DIR})
target_sources(qh_sim PRIVATE
  ${QH_SIM_EXCEL_DIR}/template/BiffContinuedReader.cpp
  ${QH_SIM_EXCEL_DIR}/template/BiffRecordCursor.cpp
  ${QH_SIM_EXCEL_DIR}/template/BiffRecords.cpp
  ${QH_SIM_EXCEL_DIR}/template/BiffSheetReader.cpp
  ${QH_SIM_EXCEL_DIR}/template/BiffStyleTable.cpp
  ${QH_SIM_EXCEL_DIR}/template/BiffWorkbookReader.cpp
  ${QH_SIM_EXCEL_DIR}/template/CompoundFile.cpp
  ${QH_SIM_EXCEL_DIR}/template/TemplateFile.cpp
  ${QH_SIM_EXCEL_DIR}/CellArea.cpp
  ${QH_SIM_EXCEL_DIR}/CellFormats.cpp
  ${QH_SIM_EXCEL_DIR}/CellStore.cpp
  ${QH_SIM_EXCEL_DIR}/CellValue.cpp
  ${QH_SIM_EXCEL_DIR}/Chart.cpp
  ${QH_SIM_EXCEL_DIR}/ColumnSettings.cpp
  ${QH_SIM_EXCEL_DIR}/ExcelApplication.cpp
  ${QH_SIM_EXCEL_DIR}/ExcelArgs.cpp
  ${QH_SIM_EXCEL_DIR}/ExcelErrors.cpp
  ${QH_SIM_EXCEL_DIR}/ExcelOutput.cpp
  ${QH_SIM_EXCEL_DIR}/PivotCache.cpp
  ${QH_SIM_EXCEL_DIR}/PivotCaches.cpp
  ${QH_SIM_EXCEL_DIR}/PivotField.cpp
  ${QH_SIM_EXCEL_DIR}/PivotFields.cpp
  ${QH_SIM_EXCEL_DIR}/PivotLayout.cpp
  ${QH_SIM_EXCEL_DIR}/PivotReport.cpp
  ${QH_SIM_EXCEL_DIR}/PivotTable.cpp
  ${QH_SIM_EXCEL_DIR}/PivotTables.cpp
  ${QH_SIM_EXCEL_DIR}/Range.cpp
  ${QH_SIM_EXCEL_DIR}/Sheet.cpp
  ${QH_SIM_EXCEL_DIR}/SheetCollection.cpp
  ${QH_SIM_EXCEL_DIR}/TextFold.cpp
  ${QH_SIM_EXCEL_DIR}/Workbook.cpp
  ${QH_SIM_EXCEL_DIR}/Workbooks.cpp
  ${QH_SIM_EXCEL_DIR}/Worksheet.cpp)

# The .xlsx writer needs libxlsxwriter, and libzip and expat to add the pivot tables to what
# it wrote (Debian: libxlsxwriter-dev, libzip-dev, libexpat1-dev). A build without them (such
# as the Windows cross build, where the host's pkg-config would name Linux libraries) records
# a failure instead of writing.
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND AND NOT WIN32)
  pkg_check_modules(QH_XLSXWRITER QUIET IMPORTED_TARGET GLOBAL xlsxwriter)
  pkg_check_modules(QH_LIBZIP QUIET IMPORTED_TARGET GLOBAL libzip)
  pkg_check_modules(QH_EXPAT QUIET IMPORTED_TARGET GLOBAL expat)
endif()
if(TARGET PkgConfig::QH_XLSXWRITER AND TARGET PkgConfig::QH_LIBZIP AND TARGET PkgConfig::QH_EXPAT)
  target_sources(qh_sim PRIVATE
    ${QH_SIM_EXCEL_DIR}/PackageRelations.cpp
    ${QH_SIM_EXCEL_DIR}/PivotCacheFields.cpp
    ${QH_SIM_EXCEL_DIR}/PivotPartsXml.cpp
    ${QH_SIM_EXCEL_DIR}/XlsxPivotParts.cpp
    ${QH_SIM_EXCEL_DIR}/XlsxStyles.cpp
    ${QH_SIM_EXCEL_DIR}/XlsxWorkbookWriter.cpp
    ${QH_SIM_EXCEL_DIR}/XmlScan.cpp
    ${QH_SIM_EXCEL_DIR}/XmlText.cpp
    ${QH_SIM_EXCEL_DIR}/ZipPackage.cpp)
  target_link_libraries(qh_sim PUBLIC PkgConfig::QH_XLSXWRITER
                        PRIVATE PkgConfig::QH_LIBZIP PkgConfig::QH_EXPAT)
else()
  if(NOT WIN32)
    message(WARNING "libxlsxwriter, libzip or expat not found: the simulated Excel will not write .xlsx files")
  endif()
  target_sources(qh_sim PRIVATE ${QH_SIM_EXCEL_DIR}/NoWorkbookWriter.cpp)
endif()
