# Hardening as Debian builds its own packages (dpkg-buildflags, hardening=+all),
# also for builds that do not come through dpkg-buildflags: stack protector,
# fortified libc calls, stack clash and control-flow protection, position-
# independent executables, read-only relocations bound at start-up. What a
# packager sets in CXXFLAGS or LDFLAGS stays as set: a flag is only added when
# those say nothing about it. Sanitizer builds bring their own.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
    return()
endif()
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

# sprho_haerte(COMPILE|LINK flag pattern): adds the flag for every target when
# the tool chain knows it and the given flags do not match the pattern.
function(sprho_haerte art flag muster)
    string(MAKE_C_IDENTIFIER "SPRHO_KENNT${flag}" ergebnis)
    if(art STREQUAL COMPILE)
        if(NOT CMAKE_CXX_FLAGS MATCHES "${muster}")
            check_cxx_compiler_flag(${flag} ${ergebnis})
            if(${ergebnis})
                add_compile_options(${flag})
            endif()
        endif()
    elseif(NOT CMAKE_EXE_LINKER_FLAGS MATCHES "${muster}")
        check_linker_flag(CXX ${flag} ${ergebnis})
        if(${ergebnis})
            add_link_options(${flag})
        endif()
    endif()
endfunction()

sprho_haerte(COMPILE -fstack-protector-strong "stack-protector")
sprho_haerte(COMPILE -fstack-clash-protection "stack-clash-protection")
sprho_haerte(COMPILE -fcf-protection "cf-protection")
sprho_haerte(LINK "LINKER:-z,relro" "relro")
sprho_haerte(LINK "LINKER:-z,now" "z,?(now|lazy)")

# Level 3 also checks copies whose size is known only at run time, which is
# most of ours; a compiler that cannot gets level 2 from glibc. The checks need
# the optimiser: without it glibc only warns.
if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    if(CMAKE_CXX_FLAGS MATCHES "(^| )-O([1-3gsz]|fast)?( |$)")
        add_compile_definitions(_FORTIFY_SOURCE=3)
    else()
        add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=3>)
    endif()
endif()

# Qt compiles everything with -fPIC; linked with -pie, the programs load at a
# random address too.
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
