# Front door: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench asan fuzz clean format

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-gui.sh $(BUILD)

test: build
	@bash scripts/run-tests.sh $(BUILD)

bench: build
	@$(BUILD)/bench/tavrona_bench

asan:
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  ASAN_OPTIONS=detect_leaks=1 \
	  $(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DTAVRONA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

# A short run of the file reader fuzzers (clang with libFuzzer, sanitizers on).
FUZZ_RUNS ?= 20000
FUZZ_FILE_RUNS ?= 3000 # readers that go through a file on disk run slower
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTAVRONA_FUZZ=ON -DTAVRONA_SANITIZE=ON \
		-DTAVRONA_GUI=OFF >/dev/null
	@cmake --build build-fuzz --target fuzz_body_files fuzz_data_tables fuzz_scene_file fuzz_posture_file \
		fuzz_hand_and_gait_files fuzz_dxf_ascii fuzz_dxf_binary fuzz_imager_file -j $(JOBS)
	@mkdir -p build-fuzz/corpus build-fuzz/corpus-tables build-fuzz/corpus-hands-gait
	@build-fuzz/fuzz/fuzz_body_files -runs=$(FUZZ_RUNS) build-fuzz/corpus fuzz/seeds
	@build-fuzz/fuzz/fuzz_data_tables -runs=$(FUZZ_FILE_RUNS) build-fuzz/corpus-tables fuzz/seeds-tables
	@build-fuzz/fuzz/fuzz_hand_and_gait_files -runs=$(FUZZ_FILE_RUNS) build-fuzz/corpus-hands-gait fuzz/seeds-hands-gait
	@mkdir -p build-fuzz/corpus-scene build-fuzz/corpus-posture
	@build-fuzz/fuzz/fuzz_scene_file -runs=$(FUZZ_RUNS) -max_len=16384 build-fuzz/corpus-scene fuzz/corpus/scene
	@build-fuzz/fuzz/fuzz_posture_file -runs=$(FUZZ_RUNS) -max_len=4500 build-fuzz/corpus-posture fuzz/corpus/posture
	@mkdir -p build-fuzz/corpus-dxf-ascii build-fuzz/corpus-dxf-binary build-fuzz/corpus-imager
	@build-fuzz/fuzz/fuzz_dxf_ascii -runs=$(FUZZ_RUNS) -max_len=24576 build-fuzz/corpus-dxf-ascii fuzz/corpus/dxf-ascii
	@build-fuzz/fuzz/fuzz_dxf_binary -runs=$(FUZZ_RUNS) -max_len=24576 build-fuzz/corpus-dxf-binary fuzz/corpus/dxf-binary
	@build-fuzz/fuzz/fuzz_imager_file -runs=$(FUZZ_FILE_RUNS) -max_len=1024 build-fuzz/corpus-imager fuzz/corpus/imager

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
