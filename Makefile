# Thin wrapper over CMake. `make run` and `make test` install what is missing first.
BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
PACKAGE_DIR  ?= build-pkg
BENCH_DIR    ?= build-bench
BUILD_TYPE   ?= RelWithDebInfo
CMAKE_FLAGS  ?=
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)

# Headless runs of the suites; sanitizer findings stop the run.
TEST_ENV = QT_QPA_PLATFORM=offscreen
SANITIZE_ENV = $(TEST_ENV) \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps build run run-planner test sanitize soak package bench translations clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/src/vkp2calc

# The planner window and the planner on the command line, from the same build.
run-planner: build
	@$(BUILD_DIR)/src/vkp2planner

# lupdate over the sources: new words land in translations/*.ts, unfinished until translated
# (tst_translations fails until then).
translations: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target update_translations

test: build
	cd $(BUILD_DIR) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DVKP2_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# A long event storm on the real window: 100,000 random user actions on one seed.
SOAK_SEED ?= 1
soak: build
	cd $(BUILD_DIR)/tests && $(TEST_ENV) VKP2_STORM_SEED=$(SOAK_SEED) VKP2_STORM_ACTIONS=100000 ./tst_event_storm

# Release build and Debian package; prints the .deb's path last.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DVKP2_TESTS=OFF -DVKP2_BENCHMARKS=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -rf $(PACKAGE_DIR)/deb
	cd $(PACKAGE_DIR) && cpack -G DEB -B $(CURDIR)/$(PACKAGE_DIR)/deb
	@ls -1 $(CURDIR)/$(PACKAGE_DIR)/deb/*.deb

# Release build; event costs next to their floor, then start-up against a bare Qt window.
bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_events vkp2calc_timed bare_window
	$(TEST_ENV) $(BENCH_DIR)/bench/bench_events -median 5
	bench/startup_compare.py --no-build --build-dir $(BENCH_DIR)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target vkp2plan plan_floor
	bench/plan_compare.py --no-build --build-dir $(BENCH_DIR)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_planner vkp2planner_first_frame vkp2calc_timed bare_window
	$(TEST_ENV) $(BENCH_DIR)/bench/bench_planner
	bench/planner_startup_compare.py --build-dir $(BENCH_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR) $(BENCH_DIR)
