# 32-bit ARM (armhf) with Debian's cross compiler and multiarch armhf Qt 5.
# Qt's armhf CMake files name the host moc and rcc (/usr/lib/qt5/bin), so code generation runs natively;
# programs built here (rvk_dbgen, the tests) run under qemu-arm through the emulator below.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

find_program(RVK_QEMU_ARM qemu-arm REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RVK_QEMU_ARM})

# Multiarch: one root; Qt and pkg-config packages only from the armhf folders.
set(Qt5_DIR /usr/lib/arm-linux-gnueabihf/cmake/Qt5 CACHE PATH "armhf Qt 5")
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/arm-linux-gnueabihf/pkgconfig:/usr/share/pkgconfig)

# lrelease runs at build time: the desktop Qt's, like moc and rcc.
set(Qt5LinguistTools_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake/Qt5LinguistTools CACHE PATH
    "desktop Qt linguist tools")
