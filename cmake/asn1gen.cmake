# Build-time generation of codecs from schema files with tools/asn1gen (see tools/asn1gen/README.md).
include_guard(GLOBAL)

# The generator's folder and sources, and the build-tree folder of generated codecs (the functions below are
# called from other folders, where variables of this file are not visible).
macro(quorvane_asn1gen_paths)
    get_filename_component(QUORVANE_ASN1GEN_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../tools/asn1gen ABSOLUTE)
    set(QUORVANE_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
    file(GLOB QUORVANE_ASN1GEN_SOURCES CONFIGURE_DEPENDS ${QUORVANE_ASN1GEN_DIR}/*.py)
endmacro()

# quorvane_generate_codec(<target> SCHEMAS <unit.asn1g>...)
# Generates <unit>.h and <unit>.cpp for each unit's main schema file (paths relative to the calling folder)
# into the build tree under the schema's own path, adds the sources to <target> and the generated tree to its
# include path, so that the header is included as "toolkit/codec/<folder>/<unit>.h".
function(quorvane_generate_codec target)
    cmake_parse_arguments(ARG "" "" "SCHEMAS" ${ARGN})
    quorvane_asn1gen_paths()
    foreach(schema IN LISTS ARG_SCHEMAS)
        get_filename_component(schema_path ${schema} ABSOLUTE)
        file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${schema_path})
        string(REGEX REPLACE "\\.[^.]*$" "" stem ${relative})
        set(header ${QUORVANE_GENERATED_DIR}/${stem}.h)
        set(source ${QUORVANE_GENERATED_DIR}/${stem}.cpp)
        add_custom_command(
            OUTPUT ${header} ${source}
            COMMAND ${Python3_EXECUTABLE} ${QUORVANE_ASN1GEN_DIR} ${schema_path} --root ${PROJECT_SOURCE_DIR}
                    --out ${QUORVANE_GENERATED_DIR} --depfile ${source}.d
            DEPENDS ${schema_path} ${QUORVANE_ASN1GEN_SOURCES}
            DEPFILE ${source}.d
            COMMENT "asn1gen ${relative}"
            VERBATIM)
        target_sources(${target} PRIVATE ${header} ${source})
        # Generated units are large and share helper names: each is a translation unit of its own.
        set_source_files_properties(${source} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endforeach()
    target_include_directories(${target} PUBLIC ${QUORVANE_GENERATED_DIR})
endfunction()

# quorvane_generated_codec_test(<name> SCHEMA <unit.asn1g> LIBS <codec library>...)
# A test program running the generic tests (round trip of the minimal and maximal samples, indefinite
# lengths, truncation at every offset, printing, zero-filled records) over every type of the unit.
function(quorvane_generated_codec_test name)
    cmake_parse_arguments(ARG "" "SCHEMA" "LIBS" ${ARGN})
    quorvane_asn1gen_paths()
    get_filename_component(schema_path ${ARG_SCHEMA} ABSOLUTE)
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${schema_path})
    string(REGEX REPLACE "\\.[^.]*$" "" stem ${relative})
    set(samples_dir ${PROJECT_BINARY_DIR}/generated-tests)
    set(samples ${samples_dir}/${stem}_samples.cpp)
    add_custom_command(
        OUTPUT ${samples}
        COMMAND ${Python3_EXECUTABLE} ${QUORVANE_ASN1GEN_DIR} ${schema_path} --root ${PROJECT_SOURCE_DIR}
                --samples ${samples_dir} --depfile ${samples}.d
        DEPENDS ${schema_path} ${QUORVANE_ASN1GEN_SOURCES}
        DEPFILE ${samples}.d
        COMMENT "asn1gen samples ${relative}"
        VERBATIM)
    set_source_files_properties(${samples} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    quorvane_test(${name}
        SOURCES ${PROJECT_SOURCE_DIR}/tests/codec/z3950/generated_codec_harness.cpp
                ${PROJECT_SOURCE_DIR}/tests/codec/z3950/generated_codec_generic_tests.cpp ${samples}
        LIBS ${ARG_LIBS})
endfunction()
