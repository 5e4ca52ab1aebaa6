# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages of a cross build: the installer vantrel-VERSION-x64.msi, made with wixl,
# and a zip holding the .exe, its licence and the notices of the third-party code linked into
# it. Both land in the build folder (target "packages").
find_program(WIXL wixl REQUIRED)
find_program(MINGW_STRIP x86_64-w64-mingw32-strip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# One product code per version, the same for every build of it.
string(UUID VANTREL_MSI_PRODUCT_CODE NAMESPACE 5D1B6C0E-8E0A-4C62-9E52-3B7A4F0C9A11
    NAME "${PROJECT_NAME} ${PROJECT_VERSION}" TYPE SHA1 UPPER)

set(package_dir ${CMAKE_BINARY_DIR}/package)
set(VANTREL_EXE ${package_dir}/vantrel.exe)
# wixl reads the files named in the .wxs relative to its folder.
set(VANTREL_MSI_EXE package/vantrel.exe)
set(VANTREL_MSI_LICENCE package/LICENSE.txt)
set(VANTREL_MSI_NOTICES package/THIRD-PARTY-NOTICES.txt)
file(RELATIVE_PATH VANTREL_MSI_ICO ${CMAKE_BINARY_DIR} ${VANTREL_ICO_PATH})
set(msi ${CMAKE_BINARY_DIR}/vantrel-${PROJECT_VERSION}-x64.msi)
set(zip ${CMAKE_BINARY_DIR}/vantrel-${PROJECT_VERSION}-x64.zip)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vantrel.wxs.in ${CMAKE_BINARY_DIR}/vantrel.wxs @ONLY)

add_custom_command(OUTPUT ${VANTREL_EXE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}
    COMMAND ${MINGW_STRIP} -o ${VANTREL_EXE} $<TARGET_FILE:vantrel>
    DEPENDS vantrel
    COMMENT "Stripping vantrel.exe for the packages")

# The program's licence, and the notices of what its link really took: the link's map names
# every archive member in the .exe, and the Qt it links keeps what each of its objects was made
# from and its attribution files.
target_link_options(vantrel PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/vantrel.map)
set(licence ${package_dir}/LICENSE.txt)
set(notices ${package_dir}/THIRD-PARTY-NOTICES.txt)
add_custom_command(OUTPUT ${licence}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt ${licence}
    DEPENDS ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
add_custom_command(OUTPUT ${notices}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${package_dir}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        --map ${CMAKE_BINARY_DIR}/vantrel.map --qt-prefix ${QT6_INSTALL_PREFIX}
        --qt-version ${Qt6_VERSION} --lgpl ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt
        --program vantrel.exe --output ${notices}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS vantrel ${PROJECT_SOURCE_DIR}/scripts/third-party-notices.py
        ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt ${QT6_INSTALL_PREFIX}/vantrel-qt.stamp
    COMMENT "Writing the third-party notices of what vantrel.exe links")

add_custom_command(OUTPUT ${msi}
    COMMAND ${WIXL} -a x64 -o ${msi} vantrel.wxs
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${VANTREL_EXE} ${licence} ${notices} ${CMAKE_BINARY_DIR}/vantrel.wxs icons
    COMMENT "Making the installer")
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip
        vantrel.exe LICENSE.txt THIRD-PARTY-NOTICES.txt
    WORKING_DIRECTORY ${package_dir}
    DEPENDS ${VANTREL_EXE} ${licence} ${notices}
    COMMENT "Making the zip")
add_custom_target(packages ALL DEPENDS ${msi} ${zip})
