# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-sanitize fuzz bench clean package test-package \
	format format-check tidy

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Starts the program with the simulated transceiver on COM1 (SIM_RADIO picks its catalogue row).
run: build
	scripts/run-with-simulator.sh $(BUILD_DIR) $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The C++ sources follow .clang-format: `make format` applies it, `make format-check`
# fails on any file that differs.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format: deps
	@clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format-check: every source follows .clang-format"

# The checks of .clang-tidy (likely bugs, reserved identifiers) over every source of src/
# and tools/, with the build's compile commands; any finding fails. The compiler's own
# warnings are the build's business (GCC's options mean nothing to clang here).
tidy: build
	run-clang-tidy -p $(BUILD_DIR) -quiet -j $(JOBS) -extra-arg=-Wno-unknown-warning-option \
		-extra-arg=-Wno-error '$(CURDIR)/(src|tools)/.*\.cpp$$' >$(BUILD_DIR)/tidy.log 2>&1 \
		|| { grep -a -B2 -A3 'error:' $(BUILD_DIR)/tidy.log; exit 1; }
	@echo "tidy: no findings"

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(PACKAGE_DIR)

# Fuzzes the data file reader and the CSV import for FUZZ_SECONDS each (a short run by default).
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTAVRIN_FUZZ=ON -DTAVRIN_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target datafile-fuzzer csv-fuzzer tavrin-fuzz-seeds
	mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/tools/tavrin-fuzz-seeds $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/tools/datafile-fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
		-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus
	mkdir -p $(FUZZ_DIR)/csv-corpus
	cp tests/core/files/csv/*.csv $(FUZZ_DIR)/csv-corpus/
	$(FUZZ_DIR)/tools/csv-fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
		-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/csv- $(FUZZ_DIR)/csv-corpus

# Benchmarks of a release build; prints the median of several repetitions. Then whole
# exchanges against the simulator at 9600 bit/s (about four minutes; EXCHANGES picks cases),
# then the start-up time of the window.
BENCH_DIR ?= build-bench
BENCH_FILTER ?= .
EXCHANGES ?=
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTAVRIN_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target tavrin-bench tavrin-exchange-bench tavrin
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/tools/tavrin-bench --benchmark_repetitions=9 \
		--benchmark_report_aggregates_only=true --benchmark_filter=$(BENCH_FILTER)
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/tools/tavrin-exchange-bench $(EXCHANGES)
	tools/bench/startup.sh $(BENCH_DIR)

# A Debian package of a release build, left as PACKAGE_DIR/tavrin_VERSION_ARCH.deb.
# Built with Debian's hardening flags (less the debug information, which is stripped anyway).
PACKAGE_DIR ?= build-package
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package:
	@scripts/install-deps.sh --packaging
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DTAVRIN_TESTS=OFF \
		-DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS | sed 's/^-g //')" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/tavrin_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	@echo "Package: $$(realpath $(PACKAGE_DIR)/tavrin_*.deb)"

# Builds the package, checks its contents with dpkg-deb, lintian and the desktop
# validators, then installs it here, runs the installed programs and removes it.
test-package: package
	tests/package/check-package.sh $(PACKAGE_DIR)/tavrin_*.deb
