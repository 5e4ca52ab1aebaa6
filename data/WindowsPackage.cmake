# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages of a cross build: the installer vantrel-VERSION-x64.msi, made with wixl,
# and a zip holding the .exe alone. Both land in the build folder (target "packages").
find_program(WIXL wixl REQUIRED)
find_program(MINGW_STRIP x86_64-w64-mingw32-strip REQUIRED)

# One product code per version, the same for every build of it.
string(UUID VANTREL_MSI_PRODUCT_CODE NAMESPACE 5D1B6C0E-8E0A-4C62-9E52-3B7A4F0C9A11
    NAME "${PROJECT_NAME} ${PROJECT_VERSION}" TYPE SHA1 UPPER)

set(package_dir ${CMAKE_BINARY_DIR}/package)
set(VANTREL_EXE ${package_dir}/vantrel.exe)
# wixl reads the files named in the .wxs relative to its folder.
set(VANTREL_MSI_EXE package/vantrel.exe)
file(RELATIVE_PATH VANTREL_MSI_ICO ${CMAKE_BINARY_DIR} ${VANTREL_ICO_PATH})
set(msi ${CMAKE_BINARY_DIR}/vantrel-${PROJECT_VERSION}-x64.msi)
set(zip ${CMAKE_BINARY_DIR}/vantrel-${PROJECT_VERSION}-x64.zip)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel.wxs.in ${CMAKE_BINARY_DIR}/vantrel.wxs @ONLY)

add_custom_command(OUTPUT ${VANTREL_EXE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}
    COMMAND ${MINGW_STRIP} -o ${VANTREL_EXE} $<TARGET_FILE:vantrel>
    DEPENDS vantrel
    COMMENT "Stripping vantrel.exe for the packages")
add_custom_command(OUTPUT ${msi}
    COMMAND ${WIXL} -a x64 -o ${msi} vantrel.wxs
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${VANTREL_EXE} ${CMAKE_BINARY_DIR}/vantrel.wxs icons
    COMMENT "Making the installer")
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip vantrel.exe
    WORKING_DIRECTORY ${package_dir}
    DEPENDS ${VANTREL_EXE}
    COMMENT "Making the zip")
add_custom_target(packages ALL DEPENDS ${msi} ${zip})
