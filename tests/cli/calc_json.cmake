# tarvis-cli calc --json on small project files written here: a project that
# is calculated (0), calculations that stop (1), files that cannot be read
# (2); and calc writes nothing.
set(PROG ${WORK}/programm)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${PROG})
file(COPY ${PROGRAM_DIR}/TARVIS.ART ${PROGRAM_DIR}/ESTROMK.DAT DESTINATION ${PROG})

# A project file: lines 1..16 as given, ten empty external loads per voltage,
# then the quantities and the loop tuples.
function(projekt name zeilen anhang)
  set(text "")
  foreach(z IN LISTS zeilen anhang)
    string(APPEND text "${z}\r\n")
  endforeach()
  file(WRITE ${WORK}/${name} "${text}")
endfunction()

set(leer "\"\",0,0,0")
set(lasten ${leer} ${leer} ${leer} ${leer} ${leer} ${leer} ${leer} ${leer} ${leer} ${leer})
set(lasten ${lasten} ${lasten})

# kopf(typ bediener drucker schnitt1 tele): lines 1..16 of a German project.
function(kopf out typ be drucker schnitt1 tele)
  set(${out}
    "\"26.1.0\""
    "\"Prova\",\"Nobody\",\"\",\"\",\"\",\"\",\"TARVIS\""
    "\"\",\"\",\"\""
    "1,1,0,0,0,\"V\""
    "0,${drucker},\"\",\"1\",10,0,0,0,\"N\",${tele},1"
    "\"\",\"\",\"\",\"\",0,0,0,0,0,0,\"\""
    "0,0,0"
    "0,0,0,0,0,0,0,\"\""
    "0,0,0,0,0,0,0,0"
    "30,0,2,0,\"\",\"\",0,0"
    "0,0,0,0,0,0,0,0,0"
    "0,\"N\",0,\"\",\"\",\"\",\"\",\"\""
    "0,0,0,0,0,0,0,\"\",\"\""
    "0,0,\"\",0,0,0,${be},${schnitt1},0,\"\",\"\",\"\",\"\",\"\""
    "0,0,\"\",${typ},\"\",\"N\",0,0,\"\",0,\"\",\"\",\"\",\"\""
    "0,0,\"\",0"
    ${lasten}
    PARENT_SCOPE)
endfunction()

# KVT 2000 N, German, 30 h, 100 motion detectors BM 310 KBN on loop 1.
kopf(k 3 0 0 0 1)
projekt(kvt2000.plm "${k}" "0;1;561,100;\"\",\"\",\"\",\"\",\"\";1,1,561,100")
# KVT 1000 with remote terminals, a printer, interface 1 and teleservice: 4 interfaces.
kopf(k 1 1 1 2 2)
projekt(kvt1000.plm "${k}" "0;0;\"\",\"\",\"\",\"\",\"\"")
# A panel type the program does not know.
kopf(k 9 0 0 0 1)
projekt(typ9.plm "${k}" "0;0;\"\",\"\",\"\",\"\",\"\"")
file(WRITE ${WORK}/kaputt.plm "nonsense\r\n")

file(GLOB_RECURSE vorher LIST_DIRECTORIES true ${WORK}/*)
file(SHA256 ${WORK}/kvt2000.plm hash)

function(calc erwartet out)
  execute_process(COMMAND ${CLI} calc ${ARGN} --program-dir ${PROG} --json
                  OUTPUT_VARIABLE json ERROR_VARIABLE fehler RESULT_VARIABLE rc)
  if(NOT rc EQUAL erwartet)
    message(FATAL_ERROR "calc ${ARGN}: exit ${rc}, expected ${erwartet}\n${json}\n${fehler}")
  endif()
  set(${out} "${json}" PARENT_SCOPE)
  set(${out}_fehler "${fehler}" PARENT_SCOPE)
endfunction()

function(erwarte json schluessel wert)
  string(JSON ist ERROR_VARIABLE err GET "${json}" ${schluessel})
  if(err OR NOT "${ist}" STREQUAL "${wert}")
    message(FATAL_ERROR "${schluessel}: '${ist}' (${err}), expected '${wert}'\n${json}")
  endif()
endfunction()

# Floats are printed with 9 significant digits: checked on the text itself.
function(enthaelt json teil)
  string(FIND "${json}" "${teil}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "'${teil}' not in\n${json}")
  endif()
endfunction()

# Calculated: the hand-computed budget of the project.
calc(0 j ${WORK}/kvt2000.plm)
erwarte("${j}" ZentralenTyp 3)
erwarte("${j}" Menge "{\n  \"13\" : 1,\n  \"278\" : 1,\n  \"561\" : 100\n}")
enthaelt("${j}" "\"IRuhe\":773.985474,")
enthaelt("${j}" "\"IAlarm\":933.623169,")
enthaelt("${j}" "\"IKBN35\":80.0,")
enthaelt("${j}" "\"BatKapazitaet\":24.5,")
erwarte("${j}" AnzBat40 1)
enthaelt("${j}" "\"Ladestrom\":1666.66663,")
# A value whose shortest double form has 16 digits is still printed with 9.
calc(0 j9 ${DATEN}/neun-stellen.PLM)
enthaelt("${j9}" "\"IRuhe\":580.658569,")
enthaelt("${j9}" "\"I28\":0.0,")
erwarte("${j}" "DXABedarf;4" 0)
erwarte("${j}" EPOKennz J)
erwarte("${j}" Kennz11E N)
erwarte("${j}" Meldungen "[]")
foreach(k ZentralenTyp Menge IRuhe IAlarm IKBN35 I28 I28Ruhe I28AlarmBasis I28Alarm INetz12 BatKapazitaet
          AnzBatterien AnzBat24 AnzBat40 AnzBat17 BatAhGesamt Ladestrom NetzMax12 NetzMax28 Trafo28Max
          Trafo28Zus DXABedarf DXAVorschlag ZOLWVorschlag AnzDXA AnzZOLW EPOKennz Kennz11E Trafo28Ueber
          ZusKennz Meldungen)
  string(JSON t ERROR_VARIABLE err TYPE "${j}" ${k})
  if(err)
    message(FATAL_ERROR "key ${k} missing: ${j}")
  endif()
endforeach()
if(NOT j_fehler MATCHES "64: Il progetto letto")
  message(FATAL_ERROR "the open message goes to stderr with its number: ${j_fehler}")
endif()

# Own supply counts under the window's rules.
calc(0 j ${WORK}/kvt2000.plm --dxa 2 --zolw 1)
erwarte("${j}" "Menge;280" 2)
erwarte("${j}" "Menge;282" 1)
calc(1 j ${WORK}/kvt2000.plm --dxa 1 --zolw 2)
erwarte("${j}" stopped supply)
erwarte("${j}" Meldungen "[ 164 ]")

# Stopped by the interface count check, and without a known panel type.
calc(1 j ${WORK}/kvt1000.plm)
erwarte("${j}" stopped interfaces)
erwarte("${j}" ZusKennz 0)
erwarte("${j}" Meldungen "[ 209 ]")
calc(1 j ${WORK}/typ9.plm)
erwarte("${j}" stopped type)
erwarte("${j}" Meldungen "[ 292 ]")

# Files that cannot be read.
calc(2 j ${WORK}/fehlt.plm)
calc(2 j ${WORK}/kaputt.plm)
execute_process(COMMAND ${CLI} calc ${WORK}/kvt2000.plm --program-dir ${WORK}/leer --json RESULT_VARIABLE rc
                OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "a program directory without catalogue: exit ${rc}")
endif()

# Nothing was written.
file(GLOB_RECURSE nachher LIST_DIRECTORIES true ${WORK}/*)
if(NOT vorher STREQUAL nachher)
  message(FATAL_ERROR "calc wrote files:\n${vorher}\n${nachher}")
endif()
file(SHA256 ${WORK}/kvt2000.plm hash2)
if(NOT hash STREQUAL hash2)
  message(FATAL_ERROR "calc changed the project file")
endif()
