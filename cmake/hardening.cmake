# An optimised Linux build is hardened as Debian hardens its packages, unless the packager's
# own flags (CXXFLAGS, CPPFLAGS, LDFLAGS, for example from dpkg-buildflags) already say so:
# each measure is added only when the given flags name none of its kind.
option(SOLVA_HARDENING "Harden Release and RelWithDebInfo builds" ON)
if(SOLVA_HARDENING AND NOT WIN32)
    set(optimised $<CONFIG:Release,RelWithDebInfo>)
    set(given "${CMAKE_CXX_FLAGS} $ENV{CPPFLAGS}")
    if(NOT given MATCHES "_FORTIFY_SOURCE")
        # The compiler may define its own level already: this one replaces it.
        add_compile_options($<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
    endif()
    if(NOT given MATCHES "-fstack-protector|-fno-stack-protector")
        add_compile_options($<${optimised}:-fstack-protector-strong>)
    endif()
    if(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "relro|-z,now|-pie")
        # Qt builds every object position-independent; the executables are linked as such.
        add_link_options($<${optimised}:-Wl,-z,relro,-z,now>
                         $<$<AND:${optimised},$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>>:-pie>)
    endif()
endif()
